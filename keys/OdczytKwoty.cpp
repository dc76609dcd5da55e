#include "keys/OdczytKwoty.h"

namespace orbaklaw {

namespace {
// Far more digits than the nine-character amount field can hold, but few
// enough that grosze never overflow.
constexpr size_t NajwiecejCyfrZlotych = 15;

bool SameCyfry(const std::string& s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int64_t Liczba(const std::string& cyfry) {
    int64_t wynik = 0;
    for (char c : cyfry)
        wynik = wynik * 10 + (c - '0');
    return wynik;
}
} // namespace

std::optional<int64_t> KwotaWGroszach(const std::string& tekst) {
    const auto przecinek = tekst.find(',');
    const std::string zlote = tekst.substr(0, przecinek);
    std::string ulamek = przecinek == std::string::npos ? "" : tekst.substr(przecinek + 1);
    if (!SameCyfry(zlote) || !SameCyfry(ulamek) || (zlote.empty() && ulamek.empty()))
        return std::nullopt;
    if (zlote.size() > NajwiecejCyfrZlotych)
        return std::nullopt;
    ulamek.resize(2, '0'); // pads "5" to "50", drops a third decimal
    return Liczba(zlote) * 100 + Liczba(ulamek);
}

} // namespace orbaklaw

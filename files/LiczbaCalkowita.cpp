#include "files/LiczbaCalkowita.h"

namespace orbaklaw {

std::optional<int32_t> CzytajLiczbe(std::string_view tekst) {
    bool ujemna = false;
    if (!tekst.empty() && (tekst.front() == '-' || tekst.front() == '+')) {
        ujemna = tekst.front() == '-';
        tekst.remove_prefix(1);
    }
    if (tekst.empty())
        return std::nullopt;
    int64_t wartosc = 0;
    for (char c : tekst) {
        if (c < '0' || c > '9')
            return std::nullopt;
        wartosc = wartosc * 10 + (c - '0');
        if (wartosc > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    if (ujemna)
        wartosc = -wartosc;
    if (wartosc > INT32_MAX || wartosc < INT32_MIN)
        return std::nullopt;
    return static_cast<int32_t>(wartosc);
}

std::optional<int> CzytajCyfry(std::string_view tekst, std::size_t najwiecejCyfr, int od, int do_) {
    if (tekst.empty() || tekst.size() > najwiecejCyfr)
        return std::nullopt;
    int n = 0;
    for (char c : tekst) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < od || n > do_)
        return std::nullopt;
    return n;
}

} // namespace orbaklaw

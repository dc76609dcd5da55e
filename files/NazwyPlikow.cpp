#include "files/NazwyPlikow.h"
#include "files/NazwyStale.h"

namespace orbaklaw {

namespace {
size_t PoczatekNazwy(const std::string& sciezka) {
    const size_t separator = sciezka.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}
} // namespace

std::string CzescNazwy(const std::string& sciezka) {
    return sciezka.substr(PoczatekNazwy(sciezka));
}

bool NazwaZastrzezona(const std::string& sciezka) {
    std::string nazwa = CzescNazwy(sciezka);
    for (char& c : nazwa)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return nazwa == NazwaPlikuKonfiguracji || nazwa == NazwaPlikuRaportu;
}

std::string ZmienRozszerzenie(const std::string& sciezka, const std::string& rozszerzenie) {
    const size_t kropka = sciezka.find_last_of('.');
    if (kropka == std::string::npos || kropka < PoczatekNazwy(sciezka))
        return sciezka + rozszerzenie;
    return sciezka.substr(0, kropka) + rozszerzenie;
}

} // namespace orbaklaw

#include "keys/NazwaDefinicji.h"

#include "format/ListyWyboru.h"

namespace orbaklaw {

namespace {
// "02   WŁĄCZENIE    KASJERA" loses its number and the blanks after it.
constexpr size_t PoczatekNazwyFunkcji = 5;

std::string NazwaFunkcji(int numer, const std::vector<std::string>& funkcje) {
    const int pozycja = numer - 1;
    if (pozycja < 0 || pozycja >= static_cast<int>(funkcje.size()))
        return {};
    const std::string& tekst = funkcje[static_cast<size_t>(pozycja)];
    return tekst.size() > PoczatekNazwyFunkcji ? tekst.substr(PoczatekNazwyFunkcji) : std::string();
}

std::string NazwaPlatnosci(uint8_t numer, const std::vector<std::string>& platnosci) {
    const int pozycja = numer == NumerEuro ? PozycjaEuro : numer;
    if (pozycja >= static_cast<int>(platnosci.size()))
        return {};
    return platnosci[static_cast<size_t>(pozycja)];
}
} // namespace

std::string NazwaDefinicji(const DefinicjaKlawisza& d, const Towary& towary,
                           const std::vector<std::string>& funkcje,
                           const std::vector<std::string>& platnosci) {
    switch (d.Rodzaj) {
    case Towar:
        return towary.Nazwa(d.NrTowaru);
    case Funkcja:
        return NazwaFunkcji(d.Numer, funkcje);
    case Platnosc:
        return NazwaPlatnosci(d.Numer, platnosci);
    default:
        return {};
    }
}

} // namespace orbaklaw

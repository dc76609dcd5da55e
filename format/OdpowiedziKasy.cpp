#include "format/OdpowiedziKasy.h"

#include "files/LiczbaCalkowita.h"
#include "files/WezArgument.h"

namespace orbaklaw {

namespace {
constexpr size_t LiczbaLiniiNaglowka = 3;

bool BialyZnak(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

int NumerTowaruZPola(std::string pole) {
    if (!pole.empty() && pole.front() == '$')
        pole.front() = '0';
    size_t poczatek = 0;
    size_t koniec = pole.size();
    while (poczatek < koniec && BialyZnak(pole[poczatek]))
        ++poczatek;
    while (koniec > poczatek && BialyZnak(pole[koniec - 1]))
        --koniec;
    return CzytajLiczbe(std::string_view(pole).substr(poczatek, koniec - poczatek)).value_or(0);
}

void CzytajTowary(const std::vector<std::string>& linie, Towary& towary) {
    for (size_t i = LiczbaLiniiNaglowka; i < linie.size(); ++i) {
        std::string pole;
        if (!WezPoleTab(linie[i], 1, pole))
            return;
        const int numer = NumerTowaruZPola(pole);
        if (numer < 1 || numer > NajwiekszyNumerTowaru)
            continue;
        if (!WezPoleTab(linie[i], 2, pole))
            return;
        towary.UstawNazwe(numer, pole);
    }
}

NazwyPlatnosci CzytajPlatnosci(const std::vector<std::string>& linie) {
    NazwyPlatnosci nazwy;
    for (size_t k = 0; k < nazwy.size(); ++k) {
        const size_t i = LiczbaLiniiNaglowka + k;
        std::string pole;
        if (i < linie.size() && WezPoleTab(linie[i], 2, pole))
            nazwy[k] = pole;
    }
    return nazwy;
}

} // namespace orbaklaw

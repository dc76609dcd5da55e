#include "format/Towary.h"

#include "files/Konw852.h"

#include <cstdio>

namespace orbaklaw {

namespace {
bool NumerWBazie(int n) {
    return n >= 1 && n <= NajwiekszyNumerTowaru;
}
} // namespace

Towary::Towary() : towary_(NajwiekszyNumerTowaru + 1) {}

void Towary::Wyczysc() {
    towary_.assign(NajwiekszyNumerTowaru + 1, PojedynczyTowar{});
}

void Towary::UstawNazwe(int n, std::string nazwa852) {
    if (NumerWBazie(n))
        towary_[static_cast<size_t>(n)].Nazwa = std::move(nazwa852);
}

const std::string& Towary::Nazwa852(int n) const {
    static const std::string brak;
    return NumerWBazie(n) ? towary_[static_cast<size_t>(n)].Nazwa : brak;
}

std::string Towary::Nazwa(int n) const {
    return Konw852Tekst(Nazwa852(n));
}

std::string Towary::TekstPozycji(int n) const {
    char numer[16];
    std::snprintf(numer, sizeof numer, "%03d ", n);
    return numer + Nazwa(n);
}

} // namespace orbaklaw

#include "format/TabliceKlawiszy.h"

namespace orbaklaw {

namespace {
template <typename Tablice> auto& RekordW(Tablice& t, MiejsceKlawisza m) {
    switch (m.tabela) {
    case Tabela::KlawiszeLewyAlt:
        return t.KlawiszeLewyAlt.at(m.indeks);
    case Tabela::KlawiszePrawyAlt:
        return t.KlawiszePrawyAlt.at(m.indeks);
    case Tabela::KlawiszeObaAlt:
        return t.KlawiszeObaAlt.at(m.indeks);
    case Tabela::KlawiszeBezp:
        break;
    }
    return t.KlawiszeBezp.at(m.indeks);
}
} // namespace

DefinicjaKlawisza& TabliceKlawiszy::Rekord(MiejsceKlawisza m) {
    return RekordW(*this, m);
}

const DefinicjaKlawisza& TabliceKlawiszy::Rekord(MiejsceKlawisza m) const {
    return RekordW(*this, m);
}

DefinicjaKlawisza* TabliceKlawiszy::Slot(int wariant, int nr) {
    auto m = MiejsceNaKlawiaturze(wariant, nr);
    return m ? &Rekord(*m) : nullptr;
}

const DefinicjaKlawisza* TabliceKlawiszy::Slot(int wariant, int nr) const {
    auto m = MiejsceNaKlawiaturze(wariant, nr);
    return m ? &Rekord(*m) : nullptr;
}

DefinicjaKlawisza* TabliceKlawiszy::SlotKodu(unsigned kod) {
    auto m = MiejsceKodu(kod);
    return m ? &Rekord(*m) : nullptr;
}

void TabliceKlawiszy::WyczyscDoOdczytu() {
    for (auto* tabela : {KlawiszeBezp.data(), KlawiszeLewyAlt.data(), KlawiszePrawyAlt.data()})
        for (int i = 0; i < 19; ++i)
            tabela[i].Rodzaj = Niezdefiniowany;
    for (auto& d : KlawiszeObaAlt)
        d.Rodzaj = Niezdefiniowany;
}

bool MiejsceLiczone(MiejsceKlawisza m) {
    switch (m.tabela) {
    case Tabela::KlawiszeBezp:
        return m.indeks <= 18;
    case Tabela::KlawiszeLewyAlt:
    case Tabela::KlawiszePrawyAlt:
        return m.indeks >= 10 && m.indeks <= 18;
    case Tabela::KlawiszeObaAlt:
        return false;
    }
    return false;
}

int TabliceKlawiszy::LiczbaPlatnosciLiczonych() const {
    int liczba = 0;
    for (const auto& k : KolejnoscKlawiszy())
        if (MiejsceLiczone(k.miejsce) && Rekord(k.miejsce).Rodzaj == Platnosc)
            ++liczba;
    return liczba;
}

bool TabliceKlawiszy::LiczPlatnosci() const {
    return LiczbaPlatnosciLiczonych() >= 8;
}

void TabliceKlawiszy::WyczyscLiczone() {
    for (const auto& k : KolejnoscKlawiszy())
        if (MiejsceLiczone(k.miejsce))
            Rekord(k.miejsce).Rodzaj = Niezdefiniowany;
}

} // namespace orbaklaw

#include "format/KodyKlawiszy.h"

namespace orbaklaw {
namespace {

constexpr std::array<uint8_t, 19> KodyBezp{237, 238, 239, 240, 241, 242, 243, 244, 245, 1,
                                           3,   5,   7,   8,   9,   10,  11,  12,  13};
constexpr std::array<uint8_t, 19> KodyLewyAlt{66, 67, 68, 69, 70, 71, 72, 73, 74, 0,
                                              85, 87, 32, 82, 83, 84, 76, 77, 78};
constexpr std::array<uint8_t, 19> KodyPrawyAlt{38, 143, 37, 168, 40,  41, 45,  43, 63, 0,
                                               86, 44,  88, 42,  151, 47, 157, 58, 227};
constexpr std::array<uint8_t, 9> KodyObaAlt{246, 247, 248, 249, 250, 251, 252, 253, 254};

constexpr bool KlawiszFunkcyjny(int nr) {
    return nr >= 0 && nr <= 8;
}

std::array<KlawiszDefiniowalny, LiczbaKlawiszy> ZbudujKolejnosc() {
    std::array<KlawiszDefiniowalny, LiczbaKlawiszy> klawisze{};
    size_t i = 0;
    for (Tabela t : {Tabela::KlawiszeBezp, Tabela::KlawiszeLewyAlt, Tabela::KlawiszePrawyAlt,
                     Tabela::KlawiszeObaAlt}) {
        for (int indeks = 0; indeks < RozmiarTabeli(t); ++indeks) {
            MiejsceKlawisza m{t, static_cast<uint8_t>(indeks)};
            if (uint8_t kod = KodMiejsca(m); kod != 0)
                klawisze[i++] = {m, kod};
        }
    }
    return klawisze;
}

} // namespace

std::optional<MiejsceKlawisza> MiejsceNaKlawiaturze(int wariant, int nr) {
    if (nr < 0 || nr >= LiczbaPozycji)
        return std::nullopt;
    const auto indeks = static_cast<uint8_t>(nr);
    switch (wariant) {
    case ObaAlt:
        // The digits of both ALTs share the table of the plain function keys.
        if (KlawiszFunkcyjny(nr))
            return MiejsceKlawisza{Tabela::KlawiszeObaAlt, indeks};
        return MiejsceKlawisza{Tabela::KlawiszeBezp, indeks};
    case LewyAlt:
        if (nr == 9)
            return std::nullopt;
        return MiejsceKlawisza{Tabela::KlawiszeLewyAlt, indeks};
    case PrawyAlt:
        if (nr == 9)
            return std::nullopt;
        return MiejsceKlawisza{Tabela::KlawiszePrawyAlt, indeks};
    case Bezp:
        if (!KlawiszFunkcyjny(nr))
            return std::nullopt;
        return MiejsceKlawisza{Tabela::KlawiszeBezp, indeks};
    default:
        return std::nullopt;
    }
}

std::optional<PozycjaKlawisza> PozycjaMiejsca(MiejsceKlawisza m) {
    if (m.indeks >= RozmiarTabeli(m.tabela))
        return std::nullopt;
    switch (m.tabela) {
    case Tabela::KlawiszeBezp:
        return PozycjaKlawisza{KlawiszFunkcyjny(m.indeks) ? uint8_t{Bezp} : uint8_t{ObaAlt},
                               m.indeks};
    case Tabela::KlawiszeLewyAlt:
        if (m.indeks == 9)
            return std::nullopt;
        return PozycjaKlawisza{LewyAlt, m.indeks};
    case Tabela::KlawiszePrawyAlt:
        if (m.indeks == 9)
            return std::nullopt;
        return PozycjaKlawisza{PrawyAlt, m.indeks};
    case Tabela::KlawiszeObaAlt:
        return PozycjaKlawisza{ObaAlt, m.indeks};
    }
    return std::nullopt;
}

uint8_t KodMiejsca(MiejsceKlawisza m) {
    if (m.indeks >= RozmiarTabeli(m.tabela))
        return 0;
    switch (m.tabela) {
    case Tabela::KlawiszeBezp:
        return KodyBezp[m.indeks];
    case Tabela::KlawiszeLewyAlt:
        return KodyLewyAlt[m.indeks];
    case Tabela::KlawiszePrawyAlt:
        return KodyPrawyAlt[m.indeks];
    case Tabela::KlawiszeObaAlt:
        return KodyObaAlt[m.indeks];
    }
    return 0;
}

std::optional<MiejsceKlawisza> MiejsceKodu(unsigned kod) {
    if (kod == 0)
        return std::nullopt;
    for (const auto& k : KolejnoscKlawiszy())
        if (k.kod == kod)
            return k.miejsce;
    return std::nullopt;
}

const std::array<KlawiszDefiniowalny, LiczbaKlawiszy>& KolejnoscKlawiszy() {
    static const auto kolejnosc = ZbudujKolejnosc();
    return kolejnosc;
}

} // namespace orbaklaw

#include "format/TabliceKlawiszy.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

namespace orbaklaw {
namespace {

using T = Tabela;

// The register's numbering of the 64 keys, in definition-file order.
const std::vector<int> KodyWKolejnosciPliku{
    237, 238, 239, 240, 241, 242, 243, 244, 245, 1,   3,   5,   7,   8,   9,   10,
    11,  12,  13,  66,  67,  68,  69,  70,  71,  72,  73,  74,  85,  87,  32,  82,
    83,  84,  76,  77,  78,  38,  143, 37,  168, 40,  41,  45,  43,  63,  86,  44,
    88,  42,  151, 47,  157, 58,  227, 246, 247, 248, 249, 250, 251, 252, 253, 254};

TEST(KodyKlawiszy, SixtyFourDistinctCodesInFileOrder) {
    std::vector<int> kody;
    for (const auto& k : KolejnoscKlawiszy())
        kody.push_back(k.kod);
    EXPECT_EQ(kody, KodyWKolejnosciPliku);
    EXPECT_EQ(std::set<int>(kody.begin(), kody.end()).size(), 64u);
}

TEST(KodyKlawiszy, EveryCodeFindsTheRecordItCameFrom) {
    for (const auto& k : KolejnoscKlawiszy()) {
        auto m = MiejsceKodu(k.kod);
        ASSERT_TRUE(m) << int(k.kod);
        EXPECT_EQ(*m, k.miejsce) << int(k.kod);
        EXPECT_EQ(KodMiejsca(*m), k.kod);
    }
    for (unsigned kod : {0u, 2u, 4u, 6u, 14u, 100u, 236u, 255u, 256u, 237u + 65536u})
        EXPECT_FALSE(MiejsceKodu(kod)) << kod;
    EXPECT_EQ(*MiejsceKodu(237 + 8), (MiejsceKlawisza{T::KlawiszeBezp, 8}));
    EXPECT_EQ(*MiejsceKodu(246 + 8), (MiejsceKlawisza{T::KlawiszeObaAlt, 8}));
}

struct OczekiwanySlot {
    int wariant;
    int nr;
    std::optional<MiejsceKlawisza> miejsce;
};

std::vector<OczekiwanySlot> WszystkieSloty() {
    std::vector<OczekiwanySlot> sloty;
    for (int nr = 0; nr < 19; ++nr) {
        const auto i = static_cast<uint8_t>(nr);
        const bool f = nr <= 8;
        sloty.push_back({0, nr, MiejsceKlawisza{f ? T::KlawiszeObaAlt : T::KlawiszeBezp, i}});
        auto brakZera = [&](T t) {
            return nr == 9 ? std::nullopt : std::optional(MiejsceKlawisza{t, i});
        };
        sloty.push_back({1, nr, brakZera(T::KlawiszeLewyAlt)});
        sloty.push_back({2, nr, brakZera(T::KlawiszePrawyAlt)});
        sloty.push_back(
            {3, nr, f ? std::optional(MiejsceKlawisza{T::KlawiszeBezp, i}) : std::nullopt});
    }
    return sloty;
}

TEST(KodyKlawiszy, SlotOfEveryVariantAndPosition) {
    int istniejace = 0;
    for (const auto& s : WszystkieSloty()) {
        EXPECT_EQ(MiejsceNaKlawiaturze(s.wariant, s.nr), s.miejsce)
            << "variant " << s.wariant << " position " << s.nr;
        if (s.miejsce) {
            ++istniejace;
            EXPECT_EQ(PozycjaMiejsca(*s.miejsce),
                      (PozycjaKlawisza{uint8_t(s.wariant), uint8_t(s.nr)}));
        }
    }
    EXPECT_EQ(istniejace, 64);
}

TEST(KodyKlawiszy, OutOfRangeAndUnusedRecordsHaveNoKey) {
    for (auto [w, nr] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 19}, {3, 255}})
        EXPECT_FALSE(MiejsceNaKlawiaturze(w, nr));
    EXPECT_FALSE(PozycjaMiejsca({T::KlawiszeLewyAlt, 9}));
    EXPECT_FALSE(PozycjaMiejsca({T::KlawiszePrawyAlt, 9}));
    EXPECT_FALSE(PozycjaMiejsca({T::KlawiszeObaAlt, 9}));
    EXPECT_EQ(KodMiejsca({T::KlawiszeLewyAlt, 9}), 0);
    EXPECT_EQ(KodMiejsca({T::KlawiszeBezp, 19}), 0);
}

DefinicjaKlawisza Platnosc3() {
    DefinicjaKlawisza d;
    d.Rodzaj = Platnosc;
    d.Numer = 1;
    d.Kwota = 100;
    return d;
}

TEST(TabliceKlawiszy, SlotsShareRecordsAsTheRegisterDoes) {
    TabliceKlawiszy t;
    // The digits of both ALTs live in the table of the plain function keys.
    *t.Slot(ObaAlt, 9) = Platnosc3();
    EXPECT_EQ(t.KlawiszeBezp[9], Platnosc3());
    EXPECT_EQ(t.Slot(Bezp, 9), nullptr);
    EXPECT_EQ(t.Slot(LewyAlt, 9), nullptr);
    EXPECT_EQ(t.Slot(ObaAlt, 0), &t.KlawiszeObaAlt[0]);
    EXPECT_EQ(t.Slot(Bezp, 0), &t.KlawiszeBezp[0]);
    EXPECT_EQ(t.SlotKodu(1), &t.KlawiszeBezp[9]);
    EXPECT_EQ(t.SlotKodu(0), nullptr);
}

TEST(TabliceKlawiszy, ClearForReadingKeepsOtherFieldsAndReachesUnusedRecords) {
    TabliceKlawiszy t;
    t.KlawiszeLewyAlt[9] = Platnosc3();
    t.KlawiszePrawyAlt[9] = Platnosc3();
    t.KlawiszeObaAlt[8] = Platnosc3();
    t.KlawiszeBezp[18] = Platnosc3();
    t.WyczyscDoOdczytu();
    for (auto* d : {&t.KlawiszeLewyAlt[9], &t.KlawiszePrawyAlt[9], &t.KlawiszeObaAlt[8],
                    &t.KlawiszeBezp[18]}) {
        EXPECT_EQ(d->Rodzaj, Niezdefiniowany);
        EXPECT_EQ(d->Kwota, 100);
        EXPECT_EQ(d->Numer, 1);
    }
}

struct PrzypadekLiczenia {
    const char* opis;
    std::vector<PozycjaKlawisza> platnosci;
    int liczone;
};

class LiczPlatnosci : public testing::TestWithParam<PrzypadekLiczenia> {};

TEST_P(LiczPlatnosci, CountsOnlyTheThirtySevenKeys) {
    TabliceKlawiszy t;
    for (auto p : GetParam().platnosci)
        *t.Slot(p.wariant, p.nr) = Platnosc3();
    EXPECT_EQ(t.LiczbaPlatnosciLiczonych(), GetParam().liczone);
    EXPECT_EQ(t.LiczPlatnosci(), GetParam().liczone >= 8);
}

std::vector<PozycjaKlawisza> Pozycje(uint8_t wariant, int od, int ile) {
    std::vector<PozycjaKlawisza> p;
    for (int i = 0; i < ile; ++i)
        p.push_back({wariant, uint8_t(od + i)});
    return p;
}

std::vector<PozycjaKlawisza> Polacz(std::vector<PozycjaKlawisza> a,
                                    const std::vector<PozycjaKlawisza>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Przypadki, LiczPlatnosci,
    testing::Values(PrzypadekLiczenia{"none", {}, 0},
                    PrzypadekLiczenia{"seven plain F keys", Pozycje(Bezp, 0, 7), 7},
                    PrzypadekLiczenia{"eight plain F keys", Pozycje(Bezp, 0, 8), 8},
                    PrzypadekLiczenia{"eight digits of both ALTs", Pozycje(ObaAlt, 9, 8), 8},
                    PrzypadekLiczenia{"nine digits of left ALT", Pozycje(LewyAlt, 10, 9), 9},
                    PrzypadekLiczenia{"ALT function keys never count",
                                      Polacz(Polacz(Pozycje(ObaAlt, 0, 9), Pozycje(LewyAlt, 0, 9)),
                                             Pozycje(PrawyAlt, 0, 9)),
                                      0},
                    PrzypadekLiczenia{"mixed",
                                      Polacz(Pozycje(PrawyAlt, 12, 4), Pozycje(Bezp, 5, 4)), 8}));

TEST(TabliceKlawiszy, DeletionClearsTheCountedKeysOnly) {
    TabliceKlawiszy t;
    for (const auto& k : KolejnoscKlawiszy())
        t.Rekord(k.miejsce) = Platnosc3();
    t.WyczyscLiczone();
    int wyczyszczone = 0;
    for (const auto& k : KolejnoscKlawiszy()) {
        const auto& d = t.Rekord(k.miejsce);
        EXPECT_EQ(d.Kwota, 100);
        if (d.Rodzaj == Niezdefiniowany) {
            ++wyczyszczone;
            EXPECT_TRUE(MiejsceLiczone(k.miejsce));
        }
    }
    EXPECT_EQ(wyczyszczone, 37);
}

} // namespace
} // namespace orbaklaw

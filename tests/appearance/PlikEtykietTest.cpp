// The label file and the padding of label texts.
#include "appearance/PlikEtykiet.h"
#include "files/PlikTekstowy.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

int Indeks(const char* nazwa) {
    for (size_t i = 0; i < PolaEtykiet().size(); ++i)
        if (std::string(PolaEtykiet()[i].nazwa) == nazwa)
            return static_cast<int>(i);
    return -1;
}

TEST(PolaEtykiet, FileOrderOfTheThirtyEightFields) {
    const std::pair<const char*, int> przypadki[] = {
        {"Edit1", 0}, {"Edit9", 8}, {"Edit1a", 9}, {"Edit2a", 10}, {"Edit9a", 17},
        {"e0", 18},   {"e7", 25},   {"e9", 27},    {"e0a", 28},    {"e9a", 37}};
    for (auto [nazwa, indeks] : przypadki) {
        EXPECT_EQ(Indeks(nazwa), indeks) << nazwa;
        const auto& p = PolaEtykiet()[static_cast<size_t>(indeks)];
        EXPECT_EQ(IndeksPolaEtykiety(p.nrKlawisza, p.drugaLinia), indeks) << nazwa;
        EXPECT_EQ(p.limit, indeks < 18 ? 8 : 4) << nazwa;
    }
    EXPECT_EQ(PolaEtykiet()[static_cast<size_t>(Indeks("e7"))].nrKlawisza, 16);
    EXPECT_EQ(IndeksPolaEtykiety(19, false), -1);
}

TEST(PolaEtykiet, PaddingToTheLimit) {
    EXPECT_EQ(UzupelnijEtykiete("", 8), "");
    EXPECT_EQ(UzupelnijEtykiete("MLEKO", 8), "MLEKO   ");
    EXPECT_EQ(UzupelnijEtykiete("ABC", 4), "ABC ");
    EXPECT_EQ(UzupelnijEtykiete(" ", 4), "    ");
    EXPECT_EQ(UzupelnijEtykiete("PIECZYWO", 8), "PIECZYWO");
    EXPECT_EQ(UzupelnijEtykiete("DLUGI TEKST", 8), "DLUGI TEKST");
}

TekstyEtykiet Przyklad() {
    TekstyEtykiet t;
    t[static_cast<size_t>(Indeks("Edit1"))] = "PIECZYWO";
    t[static_cast<size_t>(Indeks("Edit2"))] = UzupelnijEtykiete(test::Cp1250("NABIAŁ"), 8);
    t[static_cast<size_t>(Indeks("Edit2a"))] = UzupelnijEtykiete("MLEKO", 8);
    t[static_cast<size_t>(Indeks("e7"))] = "KAWA";
    return t;
}

TEST(PlikEtykiet, ExampleLayoutIs104Bytes) {
    const std::string plik = TekstPlikuEtykiet(Przyklad());
    EXPECT_EQ(plik.size(), 104u);
    const auto linie = PodzielNaLinie(plik);
    ASSERT_EQ(linie.size(), 38u);
    EXPECT_EQ(linie[0], "PIECZYWO");
    EXPECT_EQ(linie[1], test::Cp1250("NABIAŁ  "));
    EXPECT_EQ(linie[10], "MLEKO   ");
    EXPECT_EQ(linie[25], "KAWA");
    EXPECT_EQ(plik.substr(0, 20), "PIECZYWO\r\n" + test::Cp1250("NABIAŁ  ") + "\r\n");
}

TEST(PlikEtykiet, EmptyLayoutIs38EmptyLines) {
    std::string oczekiwany;
    for (int i = 0; i < 38; ++i)
        oczekiwany += "\r\n";
    EXPECT_EQ(TekstPlikuEtykiet({}), oczekiwany);
    EXPECT_EQ(oczekiwany.size(), 76u);
}

TEST(PlikEtykiet, SaveAndLoadKeepTrailingBlanksAndLongLines) {
    test::KatalogTymczasowy katalog;
    TekstyEtykiet t = Przyklad();
    t[37] = "BARDZO DLUGI TEKST";
    t[30] = "   ";
    EXPECT_TRUE(ZapiszPlikEtykiet(katalog / "plan.bm0", t));
    EXPECT_EQ(*CzytajPlikEtykiet(katalog / "plan.bm0"), t);
}

TEST(PlikEtykiet, LoadTakesLinesAsTheyComeWithoutChecks) {
    EXPECT_EQ(ParsujEtykiety({}), TekstyEtykiet{});
    const auto krotki = ParsujEtykiety(PodzielNaLinie("A\nB\r\n"));
    EXPECT_EQ(krotki[0], "A");
    EXPECT_EQ(krotki[1], "B");
    EXPECT_EQ(krotki[2], "");
    std::vector<std::string> dlugi(50, "X");
    dlugi[38] = "NIE";
    const auto wynik = ParsujEtykiety(dlugi);
    EXPECT_EQ(wynik[37], "X");
    test::KatalogTymczasowy katalog;
    EXPECT_FALSE(CzytajPlikEtykiet(katalog / "brak.bm0"));
}

} // namespace
} // namespace orbaklaw

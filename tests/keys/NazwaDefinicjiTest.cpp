#include "keys/NazwaDefinicji.h"
#include "format/ListyWyboru.h"

#include <gtest/gtest.h>

using namespace orbaklaw;

namespace {
std::vector<std::string> Funkcje() {
    return {NazwyFunkcji().begin(), NazwyFunkcji().end()};
}
std::vector<std::string> Platnosci() {
    return {PoczatkoweNazwyPlatnosci().begin(), PoczatkoweNazwyPlatnosci().end()};
}
DefinicjaKlawisza Def(uint8_t rodzaj, uint8_t numer, uint16_t towar = 0) {
    DefinicjaKlawisza d;
    d.Rodzaj = rodzaj;
    d.Numer = numer;
    d.NrTowaru = towar;
    return d;
}
} // namespace

struct PrzypadekNazwy {
    DefinicjaKlawisza d;
    const char* nazwa;
};

TEST(NazwaDefinicji, NameByKind) {
    Towary towary;
    towary.UstawNazwe(5, "MLEKO");
    towary.UstawNazwe(511, "CHLEB");
    const PrzypadekNazwy przypadki[] = {
        {Def(Niezdefiniowany, 0), ""},
        {Def(Towar, 0, 5), "MLEKO"},
        {Def(Towar, 0, 511), "CHLEB"},
        {Def(Towar, 0, 512), ""}, // outside the goods list: no name, no read beyond it
        {Def(Towar, 0, 0), ""},
        {Def(Funkcja, 1), "AK ZDEFIN. FUNKCJI"},
        {Def(Funkcja, 2), "W\243\245CZENIE    KASJERA"},
        {Def(Funkcja, 16), "MENU"},
        {Def(Funkcja, 0), ""},
        {Def(Funkcja, 20), ""},
        {Def(Platnosc, 0), "GOT\323WKA"},
        {Def(Platnosc, 8), "EURO"},
        {Def(Platnosc, 4), "EURO"}, // item 4 whatever the number
        {Def(Platnosc, 5), ""},
        {Def(Platnosc, 255), ""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(NazwaDefinicji(p.d, towary, Funkcje(), Platnosci()), p.nazwa)
            << int(p.d.Rodzaj) << "/" << int(p.d.Numer) << "/" << p.d.NrTowaru;
}

TEST(NazwaDefinicji, GoodsNamesAreConvertedFromTheRegistersCodePage) {
    Towary towary;
    towary.UstawNazwe(7, "\235\244"); // CP852 Ł, Ą
    EXPECT_EQ(NazwaDefinicji(Def(Towar, 0, 7), towary, Funkcje(), Platnosci()), "\243\245");
}

TEST(NazwaDefinicji, ShortFunctionItemsGiveNoName) {
    const std::vector<std::string> funkcje{"01", "02 AB", "03 ABC"};
    Towary towary;
    EXPECT_EQ(NazwaDefinicji(Def(Funkcja, 1), towary, funkcje, {}), "");
    EXPECT_EQ(NazwaDefinicji(Def(Funkcja, 2), towary, funkcje, {}), "");
    EXPECT_EQ(NazwaDefinicji(Def(Funkcja, 3), towary, funkcje, {}), "C");
}

// How the definition parser takes single key lines apart.
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <optional>

namespace orbaklaw {
namespace {

WynikOdczytuDefinicji Parsuj(TabliceKlawiszy& t, std::vector<std::string> klawisze) {
    klawisze.insert(klawisze.begin(), {"#01", "#", "#"});
    return ParsujDefinicje(t, klawisze);
}

struct PrzypadekLinii {
    const char* linia;
    bool poprawna;
    unsigned kod = 0;                     // where the line's definition lands
    std::optional<DefinicjaKlawisza> def; // what is stored there
};

class LiniaKlawisza : public testing::TestWithParam<PrzypadekLinii> {};

TEST_P(LiniaKlawisza, AcceptsOrRefusesTheLine) {
    const auto& p = GetParam();
    TabliceKlawiszy t;
    const auto wynik = Parsuj(t, {p.linia});
    EXPECT_EQ(wynik.poprawny, p.poprawna);
    if (!p.poprawna) {
        EXPECT_EQ(wynik.zlaLinia, p.linia);
    }
    if (p.def) {
        EXPECT_EQ(*t.SlotKodu(p.kod), *p.def);
    } else {
        EXPECT_EQ(t, TabliceKlawiszy{}) << "nothing may be stored";
    }
}

PrzypadekLinii Zla(const char* linia) {
    return {linia, false, 0, std::nullopt};
}
PrzypadekLinii Pominieta(const char* linia) {
    return {linia, true, 0, std::nullopt};
}
PrzypadekLinii Dobra(const char* linia, unsigned kod, DefinicjaKlawisza d) {
    return {linia, true, kod, d};
}

DefinicjaKlawisza D(uint16_t kod, uint8_t rodzaj, uint8_t numer, uint16_t towar, uint8_t p1,
                    uint8_t p2, uint8_t p3, int64_t kwota) {
    return {kod, rodzaj, numer, towar, p1, p2, p3, kwota};
}

INSTANTIATE_TEST_SUITE_P(
    Linie, LiniaKlawisza,
    testing::Values(Dobra("$238\t2\t5\t", 238, D(238, 2, 5, 0, 0, 0, 0, 0)),
                    Dobra("$238\t2\t0", 238, D(238, 2, 0, 0, 0, 0, 0, 0)),
                    Dobra("$238\t2\t31", 238, D(238, 2, 31, 0, 0, 0, 0, 0)), Zla("$238\t2\t32"),
                    Zla("$238\t2\t-1"), Dobra("$1\t3\t8\t1050\t0", 1, D(1, 3, 8, 0, 0, 0, 0, 1050)),
                    Dobra("$1\t3\t8\t1050", 1, D(1, 3, 8, 0, 0, 0, 0, 1050)),
                    Zla("$1\t3\t9\t1050\t0"), Zla("$1\t3\t8\t-1\t0"),
                    Dobra("$1\t3\t0\t2147483647\t0", 1, D(1, 3, 0, 0, 0, 0, 0, 2147483647)),
                    Zla("$1\t3\t0\t2147483648\t0"), Zla("$1\t3\t0\t\t0"),
                    Dobra("$237\t1\t12\t1\t0\t1", 237, D(237, 1, 0, 12, 1, 0, 1, 0)),
                    Zla("$237\t1\t12\t1\t0\t2"), Zla("$237\t1\t12\t1\t0"),
                    Dobra("$237\t1\t70000\t0\t0\t0", 237, D(237, 1, 0, 70000 & 0xFFFF, 0, 0, 0, 0)),
                    Dobra("$237\t1\t-1\t0\t0\t0", 237, D(237, 1, 0, 65535, 0, 0, 0, 0)),
                    Dobra("$237\t1\t12\t1\t0\t1\textra", 237, D(237, 1, 0, 12, 1, 0, 1, 0)),
                    Dobra("x237\t0", 237, D(237, 0, 0, 0, 0, 0, 0, 0)),
                    Dobra("237\t2\t1\t", 37, D(37, 2, 1, 0, 0, 0, 0, 0)),
                    Dobra("$65773\t2\t1\t", 237, D(237, 2, 1, 0, 0, 0, 0, 0)), Pominieta("$100\t0"),
                    Pominieta("$0\t1\t5\t0\t0\t0"), Pominieta("$-1\t2\t1\t"), Zla("$\t0"),
                    Zla("\t0"), Zla(""), Zla("$237"), Zla("$237\t"), Zla("$237\t4"),
                    Zla("$237\t-1"), Zla("$237\t0x1"), Zla("$ 237\t0"), Zla("$237 \t0"),
                    Zla("$237\t2\t5\r")));

TEST(ParsowanieDefinicji, HeaderOnlyAndEmptyFilesStoreNothing) {
    TabliceKlawiszy t;
    EXPECT_TRUE(ParsujDefinicje(t, {}).poprawny);
    EXPECT_TRUE(ParsujDefinicje(t, {"#99", "whatever", "$237\t1\t1\t1\t1\t1"}).poprawny);
    EXPECT_EQ(t, TabliceKlawiszy{});
}

TEST(ParsowanieDefinicji, BadLineStopsButEarlierLinesStay) {
    TabliceKlawiszy t;
    t.KlawiszeBezp[2].Rodzaj = Funkcja; // code 239, after the bad line
    const auto wynik = Parsuj(t, {"$237\t2\t3\t", "", "$239\t0"});
    EXPECT_FALSE(wynik.poprawny);
    EXPECT_EQ(wynik.zlaLinia, "");
    EXPECT_EQ(KomunikatBlednegoFormatu(wynik.zlaLinia),
              test::Cp1250("Błędny format pliku wejsciowego"));
    EXPECT_EQ(t.KlawiszeBezp[0].Rodzaj, Funkcja);
    EXPECT_EQ(t.KlawiszeBezp[2].Rodzaj, Funkcja);
}

TEST(ParsowanieDefinicji, LaterLinesWinAndUnlistedKeysKeepTheirDefinition) {
    TabliceKlawiszy t;
    t.KlawiszeObaAlt[8] = D(0, Funkcja, 4, 0, 0, 0, 0, 0);
    ASSERT_TRUE(Parsuj(t, {"$238\t2\t5\t", "$238\t2\t6\t"}).poprawny);
    EXPECT_EQ(t.KlawiszeBezp[1].Numer, 6);
    EXPECT_EQ(t.KlawiszeObaAlt[8].Numer, 4);
}

// Kind 0 leaves the rest of the working record as the previous line set it;
// a kind-0 record carries it into its slot.
TEST(ParsowanieDefinicji, WorkingRecordIsNotResetBetweenLines) {
    TabliceKlawiszy t;
    ASSERT_TRUE(Parsuj(t, {"$237\t1\t12\t1\t1\t1", "$238\t0"}).poprawny);
    EXPECT_EQ(t.KlawiszeBezp[1], D(238, 0, 0, 12, 1, 1, 1, 0));
}

TEST(ParsowanieDefinicji, TheBadLineIsNumberedAsInTheFile) {
    const struct {
        std::string tresc;
        size_t numer; // 0: no bad line
    } przypadki[] = {
        {"#01\r\n#\r\n#\r\n$237\t0\r\n", 0},
        {"#01\r\n#\r\n#\r\n", 0},
        {"#01\r\n#\r\n#\r\nx\r\n", 4},
        {"#01\r\n#\r\n#\r\n$237\t2\t3\t\r\n\r\n$239\t0\r\n", 5},
        {"#01\n#\n#\n$237\t0\n$238\t0\n$239\t0\n#\n", 7}, // a header's text, lower down
        {"#01\r\n#\r\n#\r\n$237\t0\r\n$1\t3\t9\t1050\t0", 5},
    };
    test::KatalogTymczasowy katalog;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tresc);
        TabliceKlawiszy t;
        const auto zLinii = ParsujDefinicje(t, PodzielNaLinie(p.tresc));
        EXPECT_EQ(zLinii.poprawny, p.numer == 0);
        EXPECT_EQ(zLinii.numerLinii, p.numer);
        katalog.Zapisz("k.txt", p.tresc);
        const auto zPliku = *CzytajPlikDefinicji(t, katalog / "k.txt");
        EXPECT_EQ(zPliku.poprawny, p.numer == 0);
        EXPECT_EQ(zPliku.numerLinii, p.numer);
    }
}

TEST(ParsowanieDefinicji, LinesOfMoreThan255BytesAreRefused) {
    const std::string linia255 = "$237\t0\t" + std::string(248, '9');
    ASSERT_EQ(linia255.size(), 255u);
    TabliceKlawiszy t;
    EXPECT_TRUE(Parsuj(t, {linia255}).poprawny);
    const auto wynik = Parsuj(t, {linia255 + "9"});
    EXPECT_FALSE(wynik.poprawny);
    EXPECT_EQ(wynik.zlaLinia.size(), 256u);
}

} // namespace
} // namespace orbaklaw

// Writing the key-definition file and reading it back.
#include "format/PlikDefinicji.h"
#include "files/PlikTekstowy.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <random>

namespace orbaklaw {
namespace {

TabliceKlawiszy PrzykladoweTablice() {
    TabliceKlawiszy t;
    t.KlawiszeBezp[0] = {0, Towar, 0, 12, 1, 0, 1, 0};
    t.KlawiszeBezp[1] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    t.KlawiszeBezp[9] = {0, Platnosc, 8, 0, 0, 0, 0, 1050};
    return t;
}

std::string OczekiwanyPrzyklad() {
    std::string s = "#01\r\n#\r\n#\r\n"
                    "$237\t1\t12\t1\t0\t1\r\n"
                    "$238\t2\t5\t\r\n";
    for (int kod : {239, 240, 241, 242, 243, 244, 245})
        s += "$" + std::to_string(kod) + "\t0\r\n";
    s += "$1\t3\t8\t1050\t0\r\n";
    for (int kod :
         {3,  5,  7,  8,  9,   10, 11,  12, 13,  66,  67,  68,  69,  70,  71,  72,  73,  74,
          85, 87, 32, 82, 83,  84, 76,  77, 78,  38,  143, 37,  168, 40,  41,  45,  43,  63,
          86, 44, 88, 42, 151, 47, 157, 58, 227, 246, 247, 248, 249, 250, 251, 252, 253, 254})
        s += "$" + std::to_string(kod) + "\t0\r\n";
    return s;
}

TEST(PlikDefinicji, ExampleFileByteForByte) {
    const std::string tekst = TekstPlikuDefinicji(PrzykladoweTablice(), "01");
    EXPECT_EQ(tekst, OczekiwanyPrzyklad());
    EXPECT_EQ(PodzielNaLinie(tekst).size(), 67u);
}

TEST(PlikDefinicji, HeaderTakesTheRegisterNumberAsHeldAtMostTwoCharacters) {
    EXPECT_EQ(TekstPlikuDefinicji({}, "1").substr(0, 10), "#1\r\n#\r\n#\r\n");
    EXPECT_EQ(TekstPlikuDefinicji({}, "123").substr(0, 5), "#12\r\n");
    EXPECT_EQ(TekstPlikuDefinicji({}, "").substr(0, 3), "#\r\n");
}

TEST(PlikDefinicji, UndefinedTablesGiveSixtyFourKindZeroLines) {
    const auto linie = PodzielNaLinie(TekstPlikuDefinicji({}, "01"));
    ASSERT_EQ(linie.size(), 67u);
    EXPECT_EQ(linie[3], "$237\t0");
    EXPECT_EQ(linie[66], "$254\t0");
}

TEST(PlikDefinicji, WriterIgnoresStoredCodesAndUnusedFields) {
    TabliceKlawiszy t;
    t.KlawiszeBezp[0] = {999, Niezdefiniowany, 7, 300, 1, 1, 1, 5};
    t.KlawiszeLewyAlt[9] = {0, Towar, 0, 1, 0, 0, 0, 0}; // holds no key
    const auto linie = PodzielNaLinie(TekstPlikuDefinicji(t, "01"));
    EXPECT_EQ(linie[3], "$237\t0");
    EXPECT_EQ(linie.size(), 67u);
}

// Random editor-made definitions survive a write and a read: what is read
// writes the same file again. (Fields a kind doesn't use may differ: the
// parser carries them over from the previous line.)
TEST(PlikDefinicji, RoundTripOfRandomDefinitions) {
    std::mt19937 los(20261208);
    for (int proba = 0; proba < 50; ++proba) {
        TabliceKlawiszy t;
        for (const auto& k : KolejnoscKlawiszy()) {
            DefinicjaKlawisza d;
            d.KodKlawisza = k.kod;
            d.Rodzaj = static_cast<uint8_t>(los() % 4);
            if (d.Rodzaj == Towar) {
                d.NrTowaru = static_cast<uint16_t>(1 + los() % 511);
                d.Pojedynczo = los() % 2;
                d.Zaplata = los() % 2;
                d.Paragon = los() % 2;
            } else if (d.Rodzaj == Funkcja) {
                d.Numer = static_cast<uint8_t>(1 + los() % 19);
            } else if (d.Rodzaj == Platnosc) {
                d.Numer = static_cast<uint8_t>(los() % 5 == 4 ? 8 : los() % 4);
                d.Kwota = static_cast<int64_t>(los() % 2147483647);
            }
            t.Rekord(k.miejsce) = d;
        }
        const std::string tekst = TekstPlikuDefinicji(t, "07");
        TabliceKlawiszy odczytane;
        auto wynik = ParsujDefinicje(odczytane, PodzielNaLinie(tekst));
        ASSERT_TRUE(wynik.poprawny) << wynik.zlaLinia;
        EXPECT_EQ(TekstPlikuDefinicji(odczytane, "07"), tekst);
        for (const auto& k : KolejnoscKlawiszy())
            EXPECT_EQ(odczytane.Rekord(k.miejsce).Rodzaj, t.Rekord(k.miejsce).Rodzaj);
    }
}

TEST(PlikDefinicji, WriteReplacesTheFileAndReadsBack) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("klawisz.txt", "stara zawartosc");
    EXPECT_TRUE(ZapiszPlikDefinicji(PrzykladoweTablice(), katalog / "klawisz.txt", "01"));
    EXPECT_EQ(katalog.Czytaj("klawisz.txt"), OczekiwanyPrzyklad());
    TabliceKlawiszy t;
    EXPECT_TRUE(CzytajPlikDefinicji(t, katalog / "klawisz.txt")->poprawny);
    EXPECT_EQ(t.KlawiszeBezp[9].Kwota, 1050);
}

TEST(PlikDefinicji, UnreadableFileThrowsWithTheSystemsReason) {
    test::KatalogTymczasowy katalog;
    TabliceKlawiszy t;
    const auto odczyt = CzytajPlikDefinicji(t, katalog / "brak.txt");
    ASSERT_FALSE(odczyt);
    EXPECT_NE(odczyt.Blad().Komunikat().find("Nie ma takiego pliku"), std::string::npos)
        << odczyt.Blad().Komunikat();
    EXPECT_FALSE(CzytajPlikDefinicji(t, katalog.sciezka()));
}

TEST(PlikDefinicji, FailedWriteLeavesTheOldFileAndNoLeftovers) {
    test::KatalogTymczasowy katalog;
    std::filesystem::create_directory(katalog / "cel");
    // A directory can't be replaced by a file: the write fails after the
    // temporary file was complete.
    EXPECT_FALSE(ZapiszPlikDefinicji({}, katalog / "cel", "01"));
    EXPECT_TRUE(std::filesystem::is_directory(katalog / "cel"));
    EXPECT_FALSE(ZapiszPlikDefinicji({}, katalog / "brak" / "x.txt", "01"));
    int pliki = 0;
    for ([[maybe_unused]] const auto& p : std::filesystem::directory_iterator(katalog.sciezka()))
        ++pliki;
    EXPECT_EQ(pliki, 1);
}

} // namespace
} // namespace orbaklaw

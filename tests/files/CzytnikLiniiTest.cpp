// The line reader holds one bounded line at a time, so that a file that can't
// be valid costs neither memory nor time: measured by the bytes it takes.
#include "files/CzytnikLinii.h"
#include "files/PlikTekstowy.h"
#include "files/ZapisAtomowy.h"
#include "format/PlikDefinicji.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

// 100 MB of empty lines, written a megabyte at a time.
void PusteLinie(const fs::path& plik, int megabajty) {
    const std::string blok(1 << 20, '\n');
    std::ofstream wyjscie(plik, std::ios::binary);
    for (int i = 0; i < megabajty; ++i)
        wyjscie.write(blok.data(), static_cast<std::streamsize>(blok.size()));
}

TEST(CzytnikLinii, HundredMegabytesOfBlankLinesAreRefusedUnread) {
    test::KatalogTymczasowy katalog;
    const fs::path plik = katalog / "puste.txt";
    PusteLinie(plik, 100);
    TabliceKlawiszy t;
    EXPECT_FALSE(CzytajPlikDefinicji(t, plik));
    EXPECT_FALSE(CzytajLinie(plik));
    // Even with no bound on the file's size the parse ends at the first blank
    // key line, having read no more than one buffer of the file.
    CzytnikLinii czytnik(plik, UINTMAX_MAX, NajdluzszaLiniaDefinicji);
    ASSERT_TRUE(czytnik.Otworz());
    const auto wynik = *ParsujDefinicje(t, czytnik);
    EXPECT_FALSE(wynik.poprawny);
    EXPECT_EQ(wynik.zlaLinia, "");
    EXPECT_LE(czytnik.Przeczytane(), CzytnikLinii::RozmiarBufora);
}

TEST(CzytnikLinii, ALongLineIsHeldOnlyUpToItsBound) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("dlugi.txt",
                   "#01\r\n#\r\n#\r\n$237\t0\t" + std::string(512 << 10, '7') + "\r\n$238\t0\r\n");
    CzytnikLinii czytnik(katalog / "dlugi.txt", UINTMAX_MAX, 255);
    ASSERT_TRUE(czytnik.Otworz());
    std::string linia;
    for (const char* naglowek : {"#01", "#", "#"}) {
        ASSERT_TRUE(*czytnik.Nastepna(linia));
        EXPECT_EQ(linia, naglowek);
    }
    ASSERT_TRUE(*czytnik.Nastepna(linia));
    EXPECT_EQ(linia.size(), 256u) << "one byte past the bound tells it is too long";
    EXPECT_EQ(linia.substr(0, 7), "$237\t0\t");
    ASSERT_TRUE(*czytnik.Nastepna(linia));
    EXPECT_EQ(linia, "$238\t0");
    EXPECT_FALSE(*czytnik.Nastepna(linia));

    TabliceKlawiszy t;
    const auto wynik = *CzytajPlikDefinicji(t, katalog / "dlugi.txt");
    EXPECT_FALSE(wynik.poprawny);
    EXPECT_EQ(KomunikatBlednegoFormatu(wynik.zlaLinia),
              test::Cp1250("Błędny format pliku wejsciowego") + "$237\t0\t" +
                  std::string(248, '7') + test::Cp1250("…"));
}

TEST(CzytnikLinii, EachKindOfFileHasItsBound) {
    test::KatalogTymczasowy katalog;
    std::string linie;
    for (int i = 0; i < 11; ++i)
        linie += "x\r\n";
    katalog.Zapisz("jedenascie.txt", linie);
    EXPECT_EQ(CzytajLinie(katalog / "jedenascie.txt", {1024, 11})->size(), 11u);
    EXPECT_FALSE(CzytajLinie(katalog / "jedenascie.txt", {1024, 10}));
    EXPECT_FALSE(CzytajLinie(katalog / "jedenascie.txt", {32, 100}));
    EXPECT_EQ(CzytajLinie(katalog / "jedenascie.txt", {33, 100})->size(), 11u);
    for (const GraniceOdczytu& g :
         {GranicePlikuDefinicji, GranicePlikuEtykiet, GranicePlikuKonfiguracji, GranicePlikuTowarow,
          GranicePlikuPlatnosci}) {
        EXPECT_GE(g.bajtow, 4096u);
        EXPECT_LE(g.bajtow, 4u << 20) << "a bound under the memory the readers may take";
    }
    EXPECT_GE(GranicePlikuTowarow.linii, 3u + 511u);
    EXPECT_GE(GranicePlikuDefinicji.linii, 67u);
}

TEST(CzytnikLinii, ALeftoverOfAnInterruptedSaveGoesAtTheNextSave) {
    test::KatalogTymczasowy katalog;
    for (std::string nazwa : {std::string("klawisz.txt"), std::string(251, 'n') + ".txt"}) {
        SCOPED_TRACE(nazwa.size());
        const fs::path cel = katalog / nazwa;
        const fs::path resztka = PlikTymczasowyZapisu(cel);
        EXPECT_EQ(resztka.parent_path(), cel.parent_path());
        EXPECT_LE(resztka.filename().string().size(), 255u);
        katalog.Zapisz(resztka.filename().string(), "przerwany zapis");
        ASSERT_TRUE(ZapiszAtomowo(cel, "nowy"));
        EXPECT_FALSE(fs::exists(resztka));
        EXPECT_EQ(katalog.Czytaj(nazwa), "nowy");
        fs::remove(cel);
    }
}

TEST(CzytnikLinii, AnUnfinishedSaveLeavesTheOldFile) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("x.txt", "stary");
    {
        ZapisAtomowy zapis(katalog / "x.txt");
        ASSERT_TRUE(zapis.Otworz());
        ASSERT_TRUE(zapis.Dopisz("nowy, ale niedokonczony"));
        EXPECT_EQ(katalog.Czytaj("x.txt"), "stary");
    }
    EXPECT_EQ(katalog.Czytaj("x.txt"), "stary");
    EXPECT_FALSE(fs::exists(PlikTymczasowyZapisu(katalog / "x.txt")));
}

} // namespace
} // namespace orbaklaw

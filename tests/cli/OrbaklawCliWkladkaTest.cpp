// orbaklaw-cli insert: the insert picture and its PDF page from a label file.
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikEtykiet.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"
#include "tests/cli/UruchomCli.h"
#include "tests/support/KatalogTymczasowy.h"
#include "tests/support/MalySystemPlikow.h"
#include "ui/Czcionki.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

TEST(OrbaklawCliWkladka, ComposesTheInsertAsA24BitBitmap) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("plan.bm0", "PIECZYWO\r\nNABIA\243\r\n");
    auto w = test::UruchomCli({"insert", (tmp / "plan.bm0").string(), (tmp / "plan.bmp").string(),
                               "--pdf", (tmp / "plan.pdf").string()});
    ASSERT_EQ(w.kod, 0) << w.err;
    const std::string bmp = tmp.Czytaj("plan.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bmp[28]), 24);
    const QImage obraz(QString::fromStdString((tmp / "plan.bmp").string()));
    EXPECT_EQ(obraz.size(), QSize(1314, 1219));
    // Edit1's box is filled in the function keys' colour (200, 199, 197).
    EXPECT_EQ(obraz.pixelColor(625, 80), QColor(200, 199, 197));
    EXPECT_EQ(tmp.Czytaj("plan.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(tmp.Czytaj("plan.bm0"), "PIECZYWO\r\nNABIA\243\r\n") << "the label file is only read";
}

// What pdftotext reads on the PDF's pages, laid out as printed.
std::string TekstPdf(const fs::path& pdf, int strona) {
    const fs::path txt = pdf.string() + "-" + std::to_string(strona) + ".txt";
    const std::string polecenie = "pdftotext -layout -enc UTF-8 -f " + std::to_string(strona) +
                                  " -l " + std::to_string(strona) + " '" + pdf.string() + "' '" +
                                  txt.string() + "' 2>/dev/null";
    if (std::system(polecenie.c_str()) != 0)
        return {};
    std::ifstream plik(txt, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(plik), {});
}

// The listing of the keys: all 64 on one A4 page, names in Polish.
TEST(OrbaklawCliWkladka, ShowPdfListsEverySixtyFourKeysOnOnePage) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed (package poppler-utils)";
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("towary.txt", "#\r\n#\r\n#\r\n12\tCHLEB \xbdYTNI \x9d\xe0\x44\x8d\r\n");
    auto w =
        test::UruchomCli({"show", ORBAKLAW_DANE "/definicje/przyklad.txt", "--goods",
                          (tmp / "towary.txt").string(), "--pdf", (tmp / "lista.pdf").string()});
    ASSERT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(w.out, "");
    const std::string tekst = TekstPdf(tmp / "lista.pdf", 1);
    for (const char* oczekiwany :
         {"Lista klawiszy kasy VARKO ORBA", "Kasa nr 01", "Źródło: plik", "definicje/przyklad.txt",
          "Wariant ALT", "Towar / funkcja / płatność", "1 - TOWAR", "12 CHLEB ŻYTNI ŁÓDŹ",
          "Sprzedaż jednej sztuki", "Obowiązek wpisania ceny", "2 - FUNKCJA", "WPŁATA DO KASY",
          "3 - PŁATNOŚĆ", "EURO", "10,50"})
        EXPECT_NE(tekst.find(oczekiwany), std::string::npos) << oczekiwany << "\n" << tekst;
    // One row per key: each starts with its variant, and names its key.
    const char* warianty[] = {"BEZP.", "LEWY ALT", "PRAWY ALT", "LEWY+PRAWY ALT"};
    int wiersze = 0;
    std::istringstream linie(tekst);
    for (std::string linia; std::getline(linie, linia);) {
        const auto poczatek = linia.find_first_not_of(' ');
        for (const char* wariant : warianty)
            if (poczatek != std::string::npos &&
                linia.compare(poczatek, std::strlen(wariant), wariant) == 0) {
                ++wiersze;
                break;
            }
    }
    EXPECT_EQ(wiersze, 64) << tekst;
    EXPECT_EQ(TekstPdf(tmp / "lista.pdf", 2), "") << "one page";
}

// The CLI draws the insert the program draws: its picture is, byte for byte,
// the one composed here from the same labels.
TEST(OrbaklawCliWkladka, ThePictureIsTheProgramsInsert) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("plan.bm0", "PIECZYWO\r\nNABIA\243\r\n\r\nKAWA \271\346\352\r\n");
    const auto w =
        test::UruchomCli({"insert", (tmp / "plan.bm0").string(), (tmp / "cli.bmp").string()});
    ASSERT_EQ(w.kod, 0) << w.err;
    static int argc = 1;
    static char nazwa[] = "test_cli_wkladka";
    static char* argv[] = {nazwa, nullptr};
    QGuiApplication aplikacja(argc, argv);
    UstawZastepstwaCzcionek();
    TekstyEtykiet teksty = *CzytajPlikEtykiet(tmp / "plan.bm0");
    EXPECT_TRUE(ZapiszObrazBmp(KomponujWkladke(WczytajSzablonWkladki(), teksty,
                                               RozmiarPolaKlawiatury, DomyslnaCzcionkaEtykiet(),
                                               DomyslnyKolorEtykiet(), DomyslneDpiEkranu),
                               tmp / "program.bmp"));
    EXPECT_TRUE(tmp.Czytaj("cli.bmp") == tmp.Czytaj("program.bmp"));
}

// Without its plugin the CLI still runs every other command, and the insert
// says what is missing.
TEST(OrbaklawCliWkladka, AMissingPluginIsNamed) {
    test::KatalogTymczasowy tmp;
    const fs::path cli = tmp / "orbaklaw-cli";
    fs::copy_file(ORBAKLAW_CLI, cli);
    tmp.Zapisz("l.bm0", "PIECZYWO\r\n");
    const std::string polecenie = "'" + cli.string() + "' insert '" + (tmp / "l.bm0").string() +
                                  "' '" + (tmp / "l.bmp").string() + "' 2>'" +
                                  (tmp / "err").string() + "'";
    const int status = std::system(polecenie.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    const std::string err = tmp.Czytaj("err");
    EXPECT_EQ(err.rfind("orbaklaw-cli: insert: nie można wczytać biblioteki: ", 0), 0u) << err;
    EXPECT_NE(err.find("liborbaklaw-cli-qt.so"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(tmp / "l.bmp"));
    EXPECT_EQ(std::system(("'" + cli.string() + "' --version >/dev/null").c_str()), 0);
}

TEST(OrbaklawCliWkladka, NothingIsWrittenWhenTheLabelsCantBeRead) {
    test::KatalogTymczasowy tmp;
    auto w = test::UruchomCli({"insert", (tmp / "brak.bm0").string(), (tmp / "x.bmp").string()});
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.err.find("Nie ma takiego pliku"), std::string::npos) << w.err;
    EXPECT_FALSE(fs::exists(tmp / "x.bmp"));
    EXPECT_EQ(test::UruchomCli({"insert", "tylko-jeden.bm0"}).kod, 2);
    EXPECT_EQ(test::UruchomCli({"insert", "a.bm0", "b.bmp", "--pdf"}).kod, 2);
    tmp.Zapisz("a.bm0", "");
    EXPECT_EQ(
        test::UruchomCli({"insert", (tmp / "a.bm0").string(), (tmp / "nie" / "b.bmp").string()})
            .kod,
        2);
}

TEST(OrbaklawCliWkladka, ReservedNamesAndTheInputAreNeverOutputs) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("l.bm0", "PIECZYWO\r\n");
    tmp.Zapisz("KONFIG.TXT", "$01\tcom1:9600:mux0:1\t5\r\n");
    const std::string l = (tmp / "l.bm0").string();
    const std::string bmp = (tmp / "x.bmp").string();
    const std::vector<std::string> przypadki[] = {
        {"insert", l, (tmp / "KONFIG.TXT").string()},
        {"insert", l, (tmp / "raport.txt").string()},
        {"insert", l, bmp, "--pdf", (tmp / "Konfig.Txt").string()},
        {"insert", l, l},
        {"insert", l, bmp, "--pdf", l},
        {"insert", l, bmp, "--pdf", bmp},
        {"insert", "/dev/zero", bmp},
    };
    for (const auto& a : przypadki) {
        const auto w = test::UruchomCli(a);
        EXPECT_EQ(w.kod, 2) << a.back();
        EXPECT_EQ(w.err.rfind("orbaklaw-cli: ", 0), 0u) << w.err;
    }
    EXPECT_EQ(tmp.Czytaj("l.bm0"), "PIECZYWO\r\n");
    EXPECT_EQ(tmp.Czytaj("KONFIG.TXT"), "$01\tcom1:9600:mux0:1\t5\r\n");
    EXPECT_FALSE(fs::exists(bmp));
    EXPECT_FALSE(fs::exists(tmp / "raport.txt"));
}

TEST(OrbaklawCliWkladka, BothPicturesOrNeither) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("l.bm0", "PIECZYWO\r\n");
    tmp.Zapisz("x.bmp", "stary obraz");
    // The PDF can't be made: the picture stays the old one.
    const auto w = test::UruchomCli({"insert", (tmp / "l.bm0").string(), (tmp / "x.bmp").string(),
                                     "--pdf", (tmp / "brak" / "x.pdf").string()});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(tmp.Czytaj("x.bmp"), "stary obraz");
    // Both replaced whole, nothing left beside them.
    tmp.Zapisz("x.pdf", "stary pdf");
    const auto z = test::UruchomCli({"insert", (tmp / "l.bm0").string(), (tmp / "x.bmp").string(),
                                     "--pdf", (tmp / "x.pdf").string()});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(tmp.Czytaj("x.bmp").substr(0, 2), "BM");
    EXPECT_EQ(tmp.Czytaj("x.pdf").substr(0, 5), "%PDF-");
    size_t pliki = 0;
    for ([[maybe_unused]] const auto& p : fs::directory_iterator(tmp.sciezka()))
        ++pliki;
    EXPECT_EQ(pliki, 3u);
}

size_t LiczbaPlikow(const fs::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& p : fs::directory_iterator(folder))
        ++n;
    return n;
}

std::string Czytaj(const fs::path& plik) {
    std::ifstream we(plik, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(we)), {});
}

// A picture or PDF that doesn't fit on the disk is reported under the name
// the user gave, and both outputs keep their old content.
TEST(OrbaklawCliWkladka, OnAFullDiskNothingIsReplacedAndTheOutputIsNamed) {
    test::MalySystemPlikow maly;
    if (!maly.Zamontowany())
        GTEST_SKIP() << maly.Powod();
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("l.bm0", "PIECZYWO\r\n");
    for (const bool pdfNaMalym : {false, true}) {
        SCOPED_TRACE(pdfNaMalym ? "the PDF doesn't fit" : "the picture doesn't fit");
        const fs::path bmp = pdfNaMalym ? tmp / "x.bmp" : maly / "x.bmp";
        const fs::path pdf = pdfNaMalym ? maly / "x.pdf" : tmp / "x.pdf";
        std::ofstream(bmp, std::ios::binary) << "stary obraz";
        std::ofstream(pdf, std::ios::binary) << "stary pdf";
        const auto w = test::UruchomCli(
            {"insert", (tmp / "l.bm0").string(), bmp.string(), "--pdf", pdf.string()});
        EXPECT_EQ(w.kod, 2);
        EXPECT_NE(w.err.find((pdfNaMalym ? pdf : bmp).string() + ": Brak miejsca na dysku"),
                  std::string::npos)
            << w.err;
        EXPECT_EQ(Czytaj(bmp), "stary obraz");
        EXPECT_EQ(Czytaj(pdf), "stary pdf");
        EXPECT_EQ(LiczbaPlikow(maly.sciezka()), 1u) << "nothing left on the full disk";
        EXPECT_EQ(LiczbaPlikow(tmp.sciezka()), 2u) << "nothing left beside the other output";
        fs::remove(bmp);
        fs::remove(pdf);
    }
}

TEST(OrbaklawCliWkladka, PolishPaths) {
    test::KatalogTymczasowy tmp;
    fs::create_directory(tmp / "Wkładki");
    tmp.Zapisz("Wkładki/wkładka.bm0", "PIECZYWO\r\n");
    const auto w = test::UruchomCli({"insert", (tmp / "Wkładki" / "wkładka.bm0").string(),
                                     (tmp / "Wkładki" / "wkładka.bmp").string(), "--pdf",
                                     (tmp / "Wkładki" / "zażółć.pdf").string()});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(tmp.Czytaj("Wkładki/wkładka.bmp").substr(0, 2), "BM");
    EXPECT_EQ(tmp.Czytaj("Wkładki/zażółć.pdf").substr(0, 5), "%PDF-");
    const std::string brak = (tmp / "Wkładki" / "brak-wkładka.bm0").string();
    const auto b = test::UruchomCli({"insert", brak, (tmp / "x.bmp").string()});
    EXPECT_EQ(b.kod, 2);
    EXPECT_EQ(b.err, "orbaklaw-cli: " + brak + ": Nie ma takiego pliku ani katalogu\n");
}

} // namespace
} // namespace orbaklaw

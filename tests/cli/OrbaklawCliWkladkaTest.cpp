// orbaklaw-cli insert: the insert picture and its PDF page from a label file.
#include "appearance/CzcionkaEtykiet.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PlikEtykiet.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/ZapisBmp.h"
#include "tests/cli/UruchomCli.h"
#include "tests/support/KatalogTymczasowy.h"
#include "ui/Czcionki.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
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
    TekstyEtykiet teksty = CzytajPlikEtykiet(tmp / "plan.bm0");
    ZapiszObrazBmp(KomponujWkladke(WczytajSzablonWkladki(), teksty, RozmiarPolaKlawiatury,
                                   DomyslnaCzcionkaEtykiet(), DomyslnyKolorEtykiet(),
                                   DomyslneDpiEkranu),
                   tmp / "program.bmp");
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

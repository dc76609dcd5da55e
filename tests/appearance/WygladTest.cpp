// "Wygląd klawiatury": saving and loading the insert, printing it at true
// size and choosing its font, in a working folder of each test's own.

#include "OknoTestowe.h"

#include "appearance/DrukWkladki.h"
#include "appearance/KalibracjaDrukarek.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/OknoKalibracji.h"
#include "appearance/PoleNaKlawiszu.h"
#include "appearance/StronaKalibracji.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/WygladIWydruk.h"
#include "keys/OpisKlawiszy.h"
#include "tests/cli/UruchomCli.h"
#include "tests/support/KatalogTymczasowy.h"
#include "tests/support/MalySystemPlikow.h"
#include "ui/OknoPodgladu.h"
#include "ui/Tekst1250.h"

#include <QAction>
#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>

using namespace orbaklaw;
using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

class Wyglad : public OknoTestowe {
protected:
    void SetUp() override {
        poprzedni_ = QDir::currentPath();
        QDir::setCurrent(Sciezka(""));
        OknoTestowe::SetUp();
    }
    void TearDown() override {
        OknoTestowe::TearDown();
        QDir::setCurrent(poprzedni_);
    }

    QString Sciezka(const char* nazwa) const {
        return QString::fromStdString((katalog / nazwa).string());
    }
    PoleNaKlawiszu* Etykieta(const char* nazwa) { return Kontrolka<PoleNaKlawiszu>(nazwa); }
    void Zapisz(const QString& nazwa) {
        dialogi.pliki.push_back(nazwa);
        Kliknij("BitBtn1");
    }
    std::string Plik(const char* nazwa) const { return katalog.Czytaj(nazwa); }

    test::KatalogTymczasowy katalog;

private:
    QString poprzedni_;
};

TEST_F(Wyglad, EmptyFieldsSaveTheBareTemplateAndThirtyEightEmptyLines) {
    Zapisz(Sciezka("plan.bm0"));
    ASSERT_TRUE(fs::exists(katalog / "plan.bmp"));
    std::string puste;
    for (int i = 0; i < 38; ++i)
        puste += "\r\n";
    EXPECT_EQ(Plik("plan.bm0"), puste);
    const QImage zapisany(Sciezka("plan.bmp"));
    EXPECT_EQ(zapisany.size(), QSize(1314, 1219));
    EXPECT_EQ(zapisany.convertToFormat(QImage::Format_RGB888), WczytajSzablonWkladki());
    EXPECT_EQ(Plik("plan.bmp").at(28), 24) << "24 bits per pixel";
    EXPECT_EQ(dialogi.dialogiPlikow.back().filtr, u"Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(okno->Save.nazwa, Sciezka("plan.bmp"));
}

TEST_F(Wyglad, NameWithoutExtensionGetsBoth) {
    Zapisz(Sciezka("plan"));
    EXPECT_TRUE(fs::exists(katalog / "plan.bmp"));
    EXPECT_TRUE(fs::exists(katalog / "plan.bm0"));
    Zapisz(Sciezka("konfig"));
    EXPECT_TRUE(fs::exists(katalog / "konfig.bmp"));
    EXPECT_TRUE(fs::exists(katalog / "konfig.bm0"));
}

TEST_F(Wyglad, ReservedNamesAreRefusedAndCancelWritesNothing) {
    for (const char* nazwa : {"konfig.txt", "RAPORT.TXT", "Konfig.Txt"}) {
        Zapisz(Sciezka(nazwa));
        EXPECT_EQ(dialogi.komunikaty.back().tekst,
                  Sciezka(nazwa) + u" : zastrzeżona nazwa pliku"_s);
        EXPECT_EQ(dialogi.komunikaty.back().ikona, Ikona::Brak);
    }
    Kliknij("BitBtn1");      // cancelled
    Kliknij("BitBtnOdczyt"); // cancelled
    EXPECT_TRUE(fs::is_empty(katalog.sciezka()));
}

TEST_F(Wyglad, LinksToReservedFilesAreRefusedInEverySave) {
    katalog.Zapisz("KONFIG.TXT", "$01\tcom1:9600:mux0:1\t5\r\n");
    katalog.Zapisz("RAPORT.TXT", "raport\r\n");
    fs::create_symlink("KONFIG.TXT", katalog / "k.bmp");
    fs::create_hard_link(katalog / "KONFIG.TXT", katalog / "t.bmp");
    fs::create_symlink("RAPORT.TXT", katalog / "r.bm0"); // the picture's label file
    fs::create_symlink("KONFIG.TXT", katalog / "l.pdf");
    QAction* lista = okno->PasekMenu()->findChild<QAction*>(u"aListaPdf"_s);
    ASSERT_NE(lista, nullptr);
    const struct {
        const char* wybrany;
        std::function<void()> zapis;
    } przypadki[] = {{"k.bmp", [&] { Kliknij("BitBtn1"); }},
                     {"t.bmp", [&] { Kliknij("BitBtn1"); }},
                     {"r.bmp", [&] { Kliknij("BitBtn1"); }},
                     {"l.pdf", [&] { lista->trigger(); }}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.wybrany);
        dialogi.komunikaty.clear();
        dialogi.pliki.push_back(Sciezka(p.wybrany));
        p.zapis();
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst,
                  Sciezka(p.wybrany) + u" : zastrzeżona nazwa pliku"_s);
    }
    EXPECT_EQ(Plik("KONFIG.TXT"), "$01\tcom1:9600:mux0:1\t5\r\n");
    EXPECT_EQ(Plik("RAPORT.TXT"), "raport\r\n");
    EXPECT_FALSE(fs::exists(katalog / "r.bmp"));
}

TEST_F(Wyglad, ExampleLayoutIsSavedAs104BytesAndPaddedInTheFields) {
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"PIECZYWO"_s);
    Etykieta("Edit2")->setText(u"NABIAŁ"_s);
    Etykieta("Edit2a")->setText(u"MLEKO"_s);
    Etykieta("e7")->setText(u"KAWA"_s);
    Etykieta("e5")->setText(u"ABC"_s);
    Etykieta("e5")->clear();
    Zapisz(Sciezka("plan.bmp"));
    const std::string pierwszy = Plik("plan.bm0");
    EXPECT_EQ(pierwszy.size(), 104u);
    EXPECT_EQ(pierwszy.substr(0, 20), "PIECZYWO\r\nNABIA\243  \r\n");
    EXPECT_EQ(Etykieta("Edit2a")->text(), u"MLEKO   ");
    EXPECT_EQ(Etykieta("e5")->text(), u"");
    Zapisz(Sciezka("plan.bmp"));
    EXPECT_EQ(Plik("plan.bm0"), pierwszy) << "a second save writes the same labels";
}

TEST_F(Wyglad, LoadTakesLinesWholeAndShowsEveryField) {
    katalog.Zapisz("dlugie.bm0", "BARDZO DLUGI TEKST\r\n  \nNABIA\243\r\n");
    dialogi.pliki.push_back(Sciezka("dlugie.bm0"));
    Kliknij("BitBtnOdczyt");
    EXPECT_EQ(Etykieta("Edit1")->text(), u"BARDZO DLUGI TEKST");
    EXPECT_EQ(Etykieta("Edit2")->text(), u"  ");
    EXPECT_EQ(Etykieta("Edit3")->text(), u"NABIAŁ");
    EXPECT_EQ(Etykieta("e9a")->text(), u"");
    for (auto* pole : okno->findChildren<PoleNaKlawiszu*>())
        EXPECT_TRUE(pole->isVisible()) << pole->objectName().toStdString();
    EXPECT_EQ(dialogi.dialogiPlikow.back().domyslneRozszerzenie, u"bm0");

    Zapisz(Sciezka("kopia.bmp"));
    EXPECT_EQ(Plik("kopia.bm0").substr(0, 30), "BARDZO DLUGI TEKST\r\n        \r\n");
}

TEST_F(Wyglad, AMissingLabelFileReachesTheErrorHandlerAndChangesNothing) {
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"ZOSTAJE"_s);
    dialogi.pliki.push_back(Sciezka("brak.bm0"));
    Kliknij("BitBtnOdczyt");
    ASSERT_FALSE(dialogi.komunikaty.empty());
    EXPECT_TRUE(dialogi.komunikaty.back().tekst.startsWith(u"Wystąpił wyjątek: "));
    EXPECT_EQ(Etykieta("Edit1")->text(), u"ZOSTAJE");
}

TEST_F(Wyglad, PrintGoesThroughTheSaveAndLeavesTheLabelFile) {
    Kliknij("Button2");
    Etykieta("e7")->setText(u"KAWA"_s);
    const QString pdf = Sciezka("wydruk.pdf");
    dialogi.wydruki.push_back(true);
    dialogi.ustawDrukarke = [pdf](QPrinter& drukarka) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
        drukarka.setResolution(600);
    };
    Kliknij("bbDrukuj");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
    EXPECT_TRUE(fs::exists(katalog / "wydruk.pdf"));
    EXPECT_FALSE(fs::exists(katalog / "@#$.bmp"));
    EXPECT_NE(Plik("@#$.bm0").find("KAWA\r\n"), std::string::npos);
    EXPECT_TRUE(Stan().PlikWydruku.empty());
    EXPECT_EQ(okno->Save.nazwa, u"@#$.bmp");
    EXPECT_EQ(okno->Image2.size(), QSize(1314, 1219)) << "the printed insert stays in Image2";

    dialogi.pliki.push_back(Sciezka("nowy"));
    Kliknij("BitBtn1");
    EXPECT_TRUE(fs::exists(katalog / "nowy.bmp")) << "the save dialog is back in use";
}

// A print to a PDF file and a saved insert that don't fit on the disk are
// reported with the file's name and reason; an older file of that name stays.
TEST_F(Wyglad, OnAFullDiskAFailedSaveIsReportedAndTheOldFileStays) {
    test::MalySystemPlikow maly;
    if (!maly.Zamontowany())
        GTEST_SKIP() << maly.Powod();
    const auto czytaj = [](const fs::path& plik) {
        std::ifstream we(plik, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(we), {});
    };
    struct Przypadek {
        const char* opis;
        const char* plik;
        std::function<void(const QString&)> zapis;
    };
    const Przypadek przypadki[] = {
        {"Wydruk to a PDF file", "wydruk.pdf",
         [this](const QString& pdf) {
             dialogi.wydruki.push_back(true);
             dialogi.ustawDrukarke = [pdf](QPrinter& drukarka) {
                 drukarka.setOutputFormat(QPrinter::PdfFormat);
                 drukarka.setOutputFileName(pdf);
             };
             Kliknij("bbDrukuj");
         }},
        {"saving the insert", "plan.bmp", [this](const QString& bmp) { Zapisz(bmp); }},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        dialogi.komunikaty.clear();
        std::ofstream(maly / p.plik, std::ios::binary) << "stary";
        p.zapis(QString::fromStdString((maly / p.plik).string()));
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(
            QString::fromStdString((maly / p.plik).string()) + u": Brak miejsca na dysku"_s))
            << dialogi.komunikaty[0].tekst.toStdString();
        EXPECT_EQ(czytaj(maly / p.plik), "stary");
        size_t pliki = 0;
        for ([[maybe_unused]] const auto& w : fs::directory_iterator(maly.sciezka()))
            ++pliki;
        EXPECT_EQ(pliki, 1u) << "nothing left on the full disk";
        fs::remove(maly / p.plik);
    }
}

TEST_F(Wyglad, CancelledPrintDoesNothing) {
    Kliknij("bbDrukuj");
    EXPECT_TRUE(fs::is_empty(katalog.sciezka()));
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

// The save step fails (the working folder is gone): the failure is reported
// and the picture save gets its dialog back.
TEST_F(Wyglad, FailedPrintSaveClearsThePrintFileName) {
    const fs::path znikajacy = katalog / "znika";
    fs::create_directory(znikajacy);
    QDir::setCurrent(QString::fromStdString(znikajacy.string()));
    fs::remove(znikajacy);
    dialogi.wydruki.push_back(true);
    Kliknij("bbDrukuj");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.startsWith(u"Wystąpił wyjątek: "));
    EXPECT_TRUE(Stan().PlikWydruku.empty());
    QDir::setCurrent(Sciezka(""));
    Zapisz(Sciezka("po"));
    EXPECT_TRUE(fs::exists(katalog / "po.bmp"));
}

TEST_F(Wyglad, ChosenFontAndColourReachEveryFieldAndTheInsert) {
    Kliknij("bCzcionka"); // cancelled
    ASSERT_EQ(dialogi.poczatkoweCzcionki.size(), 1u);
    // The dialog starts from the font in use, so that OK without a change
    // keeps it.
    EXPECT_EQ(dialogi.poczatkoweCzcionki[0].czcionka, Etykieta("Edit1")->font());
    EXPECT_EQ(dialogi.poczatkoweCzcionki[0].czcionka.family(), u"MS Sans Serif");
    EXPECT_EQ(dialogi.poczatkoweCzcionki[0].czcionka.pointSize(), 9);
    EXPECT_EQ(dialogi.poczatkoweCzcionki[0].kolor, QColor(Qt::black));
    EXPECT_EQ(Etykieta("Edit1")->font().pointSize(), 9) << "cancel changes nothing";

    QFont gruba(u"DejaVu Sans"_s, 12);
    gruba.setBold(true);
    dialogi.czcionki.push_back(WyborCzcionki{gruba, QColor(Qt::red)});
    Kliknij("bCzcionka");
    for (auto* pole : okno->findChildren<PoleNaKlawiszu*>()) {
        EXPECT_EQ(pole->font().family(), u"DejaVu Sans") << pole->objectName().toStdString();
        EXPECT_EQ(pole->font().pointSize(), 12);
        EXPECT_TRUE(pole->font().bold());
        EXPECT_EQ(pole->palette().color(QPalette::Text), QColor(Qt::red));
    }
    Kliknij("bCzcionka");
    EXPECT_EQ(dialogi.poczatkoweCzcionki.at(2).czcionka, gruba)
        << "the dialog starts from the last font";

    Kliknij("Button2");
    Etykieta("e7")->setText(u"WWWW"_s);
    Zapisz(Sciezka("czerwona"));
    const QImage wkladka(Sciezka("czerwona.bmp"));
    int czerwone = 0;
    for (int y = 435; y < 435 + 60; ++y)
        for (int x = 554; x < 554 + 120; ++x)
            if (wkladka.pixelColor(x, y) == QColor(Qt::red))
                ++czerwone;
    EXPECT_GT(czerwone, 50) << "the texts on the insert are red";
}

// Every path a dialog gives reaches the file system as the system spells it:
// a folder and a file named with Polish letters are found and written under
// the very names the user sees.
TEST_F(Wyglad, PolishFolderAndFileNamesForSaveLoadAndPrint) {
    fs::create_directory(katalog / "Wkładki");
    Kliknij("Button2");
    Etykieta("e7")->setText(u"KAWA"_s);
    Zapisz(Sciezka("Wkładki/wkładka"));
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
    EXPECT_TRUE(fs::exists(katalog / "Wkładki" / "wkładka.bmp"));
    EXPECT_EQ(katalog.Czytaj("Wkładki/wkładka.bm0").substr(0, 2), "\r\n");
    EXPECT_EQ(okno->Save.nazwa, Sciezka("Wkładki/wkładka.bmp"));
    for (const auto& wpis : fs::directory_iterator(katalog / "Wkładki")) {
        const std::string nazwa = wpis.path().filename().string();
        EXPECT_TRUE(nazwa == "wkładka.bmp" || nazwa == "wkładka.bm0") << nazwa;
    }

    Etykieta("e7")->clear();
    dialogi.pliki.push_back(Sciezka("Wkładki/wkładka.bm0"));
    Kliknij("BitBtnOdczyt");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
    EXPECT_EQ(Etykieta("e7")->text(), u"KAWA");

    QDir::setCurrent(Sciezka("Wkładki"));
    const QString pdf = Sciezka("Wkładki/wydruk.pdf");
    dialogi.wydruki.push_back(true);
    dialogi.ustawDrukarke = [pdf](QPrinter& drukarka) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
    };
    Kliknij("bbDrukuj");
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
    EXPECT_TRUE(fs::exists(katalog / "Wkładki" / "wydruk.pdf"));
    EXPECT_NE(katalog.Czytaj("Wkładki/@#$.bm0").find("KAWA\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(katalog / "Wkładki" / "@#$.bmp"));
}

TEST_F(Wyglad, AFailureNamesThePathAsTheUserSeesItWithThePolishReason) {
    fs::create_directory(katalog / "Wkładki");
    dialogi.pliki.push_back(Sciezka("Wkładki/zażółć.bm0"));
    Kliknij("BitBtnOdczyt");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(Sciezka("Wkładki/zażółć.bm0") +
                                                     u": Nie ma takiego pliku ani katalogu"_s))
        << dialogi.komunikaty[0].tekst.toStdString();
}

TEST_F(Wyglad, AFifoIsNotLoadedAsALabelFile) {
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"ZOSTAJE"_s);
    ASSERT_EQ(::mkfifo((katalog / "kolejka.bm0").c_str(), 0644), 0);
    dialogi.pliki.push_back(Sciezka("kolejka.bm0"));
    Kliknij("BitBtnOdczyt");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(u"kolejka.bm0: To nie jest zwykły plik"_s))
        << dialogi.komunikaty[0].tekst.toStdString();
    EXPECT_EQ(Etykieta("Edit1")->text(), u"ZOSTAJE");
}

// A label longer than its field shows its start after the program rewrote
// it (padded by a save or a print, or loaded), not its end ("ECZYWO").
TEST_F(Wyglad, FieldsShowTheStartOfTheirTextsAfterASavePrintOrLoad) {
    const std::function<void()> dzialania[] = {
        [this] { Zapisz(Sciezka("plan")); },
        [this] {
            dialogi.wydruki.push_back(true);
            dialogi.ustawDrukarke = [this](QPrinter& drukarka) {
                drukarka.setOutputFormat(QPrinter::PdfFormat);
                drukarka.setOutputFileName(Sciezka("wydruk.pdf"));
            };
            Kliknij("bbDrukuj");
        },
        [this] {
            dialogi.pliki.push_back(Sciezka("plan.bm0"));
            Kliknij("BitBtnOdczyt");
        },
    };
    for (const auto& dzialanie : dzialania) {
        Kliknij("Button2");
        for (const char* nazwa : {"Edit1", "Edit2a", "e7"}) {
            PoleNaKlawiszu* pole = Etykieta(nazwa);
            QTest::mouseClick(pole, Qt::LeftButton);
            pole->selectAll();
            Wpisz(pole, !pole->Cyfra() ? u"PIECZYWO"_s : u"KAWA"_s);
        }
        dzialanie();
        EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
        for (const char* nazwa : {"Edit1", "Edit2a", "e7"}) {
            ASSERT_FALSE(Etykieta(nazwa)->text().isEmpty()) << nazwa;
            EXPECT_EQ(Etykieta(nazwa)->cursorPosition(), 0) << nazwa;
        }
    }
}

// "Wydruk" shows the page first; closing the preview prints nothing, saves
// nothing and leaves the fields as they were.
TEST_F(Wyglad, ThePreviewComesFirstAndClosingItChangesNothing) {
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"AB"_s);
    dialogi.plikPodgladu = Sciezka("podglad.pdf");
    dialogi.podgladyDalej.push_back(false);
    Kliknij("bbDrukuj");
    EXPECT_EQ(dialogi.podglady, 1);
    EXPECT_GT(fs::file_size(katalog / "podglad.pdf"), 1000u) << "the preview drew the page";
    EXPECT_EQ(Etykieta("Edit1")->text(), u"AB") << "no padding from a preview";
    EXPECT_FALSE(fs::exists(katalog / "@#$.bm0"));
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

// A page too small for the insert is never printed shrunk: the user is
// asked, and No (what Enter answers) prints nothing.
TEST_F(Wyglad, AnInsertThatDoesNotFitThePageIsNeverShrunkSilently) {
    const QString pdf = Sciezka("a6.pdf");
    dialogi.wydruki.push_back(true);
    dialogi.ustawDrukarke = [pdf](QPrinter& drukarka) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(pdf);
        drukarka.setPageSize(QPageSize(QPageSize::A6)); // 105 mm wide
    };
    Kliknij("bbDrukuj");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(u"nie mieści się"_s));
    EXPECT_EQ(dialogi.komunikaty[0].domyslna, Odpowiedz::Nie);
    EXPECT_FALSE(fs::exists(katalog / "a6.pdf"));
}

// The program's save and orbaklaw-cli insert give the same bitmap, byte for
// byte, from the same label file and font.
TEST_F(Wyglad, TheSaveAndTheCliInsertAgreeByteForByte) {
    katalog.Zapisz("dlugie.bm0", "PIECZYWO PSZENNE\r\nGOT\323WKA\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                 "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nWWWWWW\r\n");
    dialogi.pliki.push_back(Sciezka("dlugie.bm0"));
    Kliknij("BitBtnOdczyt");
    Zapisz(Sciezka("program"));
    const auto cli = test::UruchomCli(
        {"insert", (katalog / "dlugie.bm0").string(), (katalog / "cli.bmp").string()});
    ASSERT_EQ(cli.kod, 0) << cli.err;
    EXPECT_TRUE(Plik("program.bmp") == Plik("cli.bmp"));
}

// "Kalibracja drukarki": what the user types is kept per printer in the
// user's file; a wrong length is told and the dialog stays; 100 mm both ways
// removes the printer's correction.
TEST_F(Wyglad, CalibrationKeepsWhatTheRulersMeasurePerPrinter) {
    const QByteArray poprzedni = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((katalog / "konfig").string()));
    const fs::path plik = katalog / "konfig" / "orbaklaw" / "drukarki.txt";
    const std::string naglowek =
        "# orbaklaw: co drukarka drukuje zamiast 100 mm (strona kalibracji)\r\n"
        "# drukarka<TAB>linijka pozioma w mm<TAB>linijka pionowa w mm\r\n";
    const struct {
        const char* poziomo;
        const char* pionowo;
        bool blad; // told, and the dialog cancelled after it
        std::string plik;
    } przypadki[] = {
        {"98,6", "101.2", false, naglowek + "Biuro\t98.60\t101.20\r\n"},
        {"abc", "100", true, naglowek + "Biuro\t98.60\t101.20\r\n"},
        {"250", "100", true, naglowek + "Biuro\t98.60\t101.20\r\n"},
        {"99,5", "99,5", false, naglowek + "Biuro\t99.50\t99.50\r\n"},
        {"100", "100,00", false, naglowek},
    };
    QAction* kalibracja = okno->PasekMenu()->findChild<QAction*>(u"aKalibracja"_s);
    ASSERT_NE(kalibracja, nullptr);
    for (const auto& p : przypadki) {
        dialogi.komunikaty.clear();
        dialogi.okna.push_back([&p](QDialog& d) {
            auto* drukarka = d.findChild<QComboBox*>(u"cbDrukarka"_s);
            drukarka->addItem(u"Biuro"_s);
            drukarka->setCurrentText(u"Biuro"_s);
            d.findChild<QLineEdit*>(u"ePoziomo"_s)->setText(QString::fromUtf8(p.poziomo));
            d.findChild<QLineEdit*>(u"ePionowo"_s)->setText(QString::fromUtf8(p.pionowo));
            d.findChild<QPushButton*>(u"bZapisz"_s)->click();
            if (p.blad) {
                EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
                d.findChild<QPushButton*>(u"bAnuluj"_s)->click();
            }
        });
        kalibracja->trigger();
        EXPECT_EQ(dialogi.komunikaty.size(), p.blad ? 1u : 0u) << p.poziomo;
        EXPECT_EQ(katalog.Czytaj("konfig/orbaklaw/drukarki.txt"), p.plik) << p.poziomo;
    }
    EXPECT_EQ(KorektaDrukarki("Biuro").x, 1.0);
    qputenv("XDG_CONFIG_HOME", poprzedni);
}

// "Lista klawiszy..." previews the listing and prints it; "Lista klawiszy do
// PDF..." saves it in the chosen file, never under a reserved name.
TEST_F(Wyglad, TheListingOfTheKeysIsPrintedAndSavedAsAPdf) {
    const QString wydruk = Sciezka("wydruk.pdf");
    dialogi.plikPodgladu = Sciezka("podglad.pdf");
    dialogi.wydruki.push_back(true);
    dialogi.ustawDrukarke = [wydruk](QPrinter& drukarka) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(wydruk);
    };
    okno->PasekMenu()->findChild<QAction*>(u"aListaKlawiszy"_s)->trigger();
    EXPECT_EQ(dialogi.podglady, 1);
    EXPECT_EQ(Plik("podglad.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(Plik("wydruk.pdf").substr(0, 5), "%PDF-");

    QAction* lista = okno->PasekMenu()->findChild<QAction*>(u"aListaPdf"_s);
    ASSERT_NE(lista, nullptr);
    dialogi.pliki.push_back(Sciezka("lista.pdf"));
    lista->trigger();
    EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join('|').toStdString();
    EXPECT_EQ(Plik("lista.pdf").substr(0, 5), "%PDF-");
    dialogi.pliki.push_back(Sciezka("KONFIG.TXT"));
    lista->trigger();
    EXPECT_FALSE(fs::exists(katalog / "KONFIG.TXT"));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.endsWith(u" : zastrzeżona nazwa pliku"_s));
}

// Saves the print preview and the calibration dialog as the user sees them
// when ORBAKLAW_ZRZUT names a PNG file (run by hand, as UkladOkna.Zrzut).
TEST_F(Wyglad, Zrzut) {
    const QString plik = qEnvironmentVariable("ORBAKLAW_ZRZUT");
    if (plik.isEmpty())
        GTEST_SKIP() << "ORBAKLAW_ZRZUT does not name a PNG file to save the pictures to";
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"PIECZYWO"_s);
    Etykieta("Edit1a")->setText(u"ŻYTNIE"_s);
    Etykieta("e7")->setText(u"KAWA"_s);
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(Sciezka("zrzut.pdf"));
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    TekstyEtykiet teksty;
    for (size_t i = 0; i < teksty.size(); ++i)
        teksty[i] = Do1250(Etykieta(PolaEtykiet()[i].nazwa)->text());
    const QImage obraz = KomponujWkladke(WczytajSzablonWkladki(), teksty, QSize(358, 406),
                                         Etykieta("Edit1")->font(), Qt::black, 96);
    OknoPodgladu podglad(
        drukarka, [&obraz](QPrinter& p) { RysujWkladke(p, obraz); }, okno.get());
    podglad.show();
    QTest::qWait(300);
    EXPECT_TRUE(podglad.grab().save(plik));
    podglad.hide();

    OknoKalibracji kalibracja({{"Biuro_HP", {98.6, 101.2}}}, {u"Biuro_HP"_s, u"ORBAKLAW_PDF"_s},
                              u"Biuro_HP"_s, dialogi, okno.get());
    kalibracja.show();
    QTest::qWait(200);
    EXPECT_TRUE(kalibracja.grab().save(plik + u"-kalibracja.png"_s));

    QPrinter strona(QPrinter::HighResolution);
    strona.setOutputFormat(QPrinter::PdfFormat);
    strona.setOutputFileName(plik + u"-strona.pdf"_s);
    strona.setPageSize(QPageSize(QPageSize::A4));
    EXPECT_TRUE(DrukujStroneKalibracji(strona).udany);
}

// A digit key cleared while its variant is shown hides its field, which
// keeps its text ("GOT" after "Kasowanie"); the insert shows what the window
// shows, so the hidden text is neither drawn nor written to the label file
// until "Edycja" shows it again.
TEST_F(Wyglad, AHiddenFieldsTextIsLeftOffTheInsert) {
    UstawWariant(LewyAlt);
    Slot(LewyAlt, 16) = {0, Platnosc, 0, 0, 0, 0, 0, 0};
    okno->Opis().OpiszKlawisze(true);
    ASSERT_EQ(Etykieta("e7")->text(), u"GOT");
    ASSERT_TRUE(Etykieta("e7")->isVisible());
    Slot(LewyAlt, 16) = {};
    okno->Opis().OpiszKlawisze(true);
    ASSERT_FALSE(Etykieta("e7")->isVisible());

    Zapisz(Sciezka("plan"));
    const std::string linie = Plik("plan.bm0");
    const size_t e7 = 18 + 7; // lines before e7
    size_t poczatek = 0;
    for (size_t i = 0; i < e7; ++i)
        poczatek = linie.find("\r\n", poczatek) + 2;
    EXPECT_EQ(linie.substr(poczatek, 2), "\r\n") << "e7's line is empty";
    EXPECT_EQ(QImage(Sciezka("plan.bmp")).convertToFormat(QImage::Format_RGB888),
              WczytajSzablonWkladki());
    EXPECT_EQ(Etykieta("e7")->text(), u"GOT") << "the field keeps its text";

    Kliknij("Button2");
    Zapisz(Sciezka("plan"));
    EXPECT_NE(Plik("plan.bm0").find("GOT \r\n"), std::string::npos);
}

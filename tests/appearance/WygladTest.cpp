// "Wygląd klawiatury": saving and loading the insert, printing it at true
// size and choosing its font, in a working folder of each test's own.

#include "OknoTestowe.h"

#include "appearance/PoleNaKlawiszu.h"
#include "appearance/SzablonWkladki.h"
#include "appearance/WygladIWydruk.h"
#include "tests/support/KatalogTymczasowy.h"
#include "tests/support/MalySystemPlikow.h"

#include <QDir>
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

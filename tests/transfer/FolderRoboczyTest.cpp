// The working folder, where the program started, holds the register's files
// for the whole run, whatever folders the file dialogs visit.

#include "OknoZKasa.h"

#include "KatalogTymczasowy.h"
#include "format/PlikDefinicji.h"

#include <QDialog>
#include <QPrinter>
#include <QPushButton>

#include <set>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

namespace {

std::set<std::string> Zawartosc(const fs::path& folder) {
    std::set<std::string> nazwy;
    for (const auto& wpis : fs::recursive_directory_iterator(folder))
        nazwy.insert(fs::relative(wpis.path(), folder).string());
    return nazwy;
}

QString Sciezka(const fs::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

using FolderRoboczy = OknoZKasa;

// A definition file and a label file chosen in other folders (in real file
// dialogs, typed and confirmed with Enter), then every button that uses a
// fixed file: each finds KONFIG.TXT and writes only here.
TEST_F(FolderRoboczy, FilesChosenElsewhereNeverMoveTheWorkingFolder) {
    const fs::path roboczy = fs::current_path();
    test::KatalogTymczasowy inne;
    fs::create_directories(inne / "definicje");
    fs::create_directories(inne / "wkladki");
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), inne / "definicje" / "plan.txt", "01"));
    inne.Zapisz("wkladki/plan.bm0", "KAWA\r\n");
    const auto przed = Zawartosc(inne.sciezka());

    dialogi.prawdziwePliki = true;
    WybierzWOknie(Sciezka(inne / "definicje" / "plan.txt"));
    Kliknij("bOdczytPlik");
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad()));
    WybierzWOknie(Sciezka(inne / "wkladki" / "plan.bm0"));
    Kliknij("BitBtnOdczyt");
    EXPECT_EQ(Pole("Edit1")->text(), u"KAWA");
    ASSERT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    EXPECT_EQ(fs::current_path(), roboczy);

    dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
    Kliknij("bZapis");
    Kliknij("bOdczyt");
    dialogi.okna.push_back([](QDialog& o) { o.findChild<QPushButton*>(u"KlawPolacz"_s)->click(); });
    Kliknij("Button4");
    dialogi.wydruki.push_back(true);
    dialogi.ustawDrukarke = [&roboczy](QPrinter& drukarka) {
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(Sciezka(roboczy / "wydruk.pdf"));
    };
    Kliknij("bbDrukuj");

    EXPECT_EQ(
        dialogi.Teksty().mid(1),
        QStringList({u"Definicje klawiszy zapisano do kasy i do pliku klawisz.txt"_s + Sprawdzono(),
                     u"Połączenie poprawne - kasa :VARKO ORBA"_s}));
    EXPECT_EQ(dialogi.pokazaneOkna, 1) << "only the one opened by \"Połączenie\"";
    EXPECT_EQ(Zawartosc(inne.sciezka()), przed) << "nothing written beside the chosen files";
    for (const char* plik : {"KONFIG.TXT", "in", "klawisz.txt", "RAPORT.TXT", "wydruk.pdf"})
        EXPECT_TRUE(Istnieje(plik)) << plik;
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad()));

    // The dialogs open where their last file was chosen.
    WybierzWOknie(Sciezka(inne / "definicje" / "plan.txt"));
    Kliknij("bOdczytPlik");
    ASSERT_EQ(dialogi.dialogiPlikow.size(), 3U);
    EXPECT_EQ(fs::path(dialogi.dialogiPlikow[2].folder.toStdString()), inne / "definicje");
    EXPECT_EQ(fs::path(okno->oBitmapa.folder.toStdString()), inne / "wkladki");
    EXPECT_EQ(fs::current_path(), roboczy);
}

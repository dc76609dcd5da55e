// "Kopie zapasowe" in menu "Kasa": the register's backups, newest first;
// "Porównaj" lists the keys that differ from the tables, "Wczytaj" loads one,
// and "Zapis do kasy" then brings it back into the register.

#include "OknoZKasa.h"

#include "format/KodyKlawiszy.h"
#include "format/PlikDefinicji.h"
#include "transfer/KopiaZapasowa.h"
#include "transfer/OknoKopii.h"

#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace fs = std::filesystem;

namespace {

QStringList Wiersz(const QTreeWidgetItem* w) {
    QStringList kolumny;
    for (int i = 0; i < w->columnCount(); ++i)
        kolumny << w->text(i);
    return kolumny;
}

} // namespace

using KopieZapasowe = OknoZKasa;

TEST_F(KopieZapasowe, ABackupLoadedAndWrittenRestoresTheRegister) {
    // The register held Przyklad(); a write of other definitions kept it as a backup.
    ZapiszWKasie(Przyklad());
    TabliceKlawiszy inne = Przyklad();
    inne.Rekord(KolejnoscKlawiszy()[0].miejsce) = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    Stan().tablice = inne;
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    ASSERT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(inne));
    const fs::path folder = std::getenv("ORBAKLAW_KOPIE");
    const fs::path kopia = fs::path(NajnowszaKopia().toStdString());
    // An older backup of no definitions, and one of another register.
    std::tm tm{};
    tm.tm_year = 2020 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 2;
    tm.tm_hour = 3;
    tm.tm_min = 4;
    tm.tm_sec = 5;
    tm.tm_isdst = -1;
    const std::time_t dawno = std::mktime(&tm);
    EXPECT_TRUE(ZachowajKopie(folder, "01", TekstPlikuDefinicji(TabliceKlawiszy{}, "01"), dawno));
    EXPECT_TRUE(ZachowajKopie(folder, "02", TekstPlikuDefinicji(TabliceKlawiszy{}, "02"), dawno));
    dialogi.komunikaty.clear();

    dialogi.okna.push_back([&](QDialog& d) {
        auto& o = dynamic_cast<OknoKopii&>(d);
        QTreeWidget* lista = o.Lista();
        ASSERT_EQ(lista->topLevelItemCount(), 2);
        EXPECT_EQ(Wiersz(lista->topLevelItem(0)).mid(1),
                  (QStringList{u"9"_s, u"1"_s, QString::fromStdString(kopia.filename().string())}));
        EXPECT_EQ(Wiersz(lista->topLevelItem(1)),
                  (QStringList{u"2020-01-02 03:04:05"_s, u"0"_s, u"9"_s,
                               u"kasa01-20200102-030405.txt"_s}));
        o.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&o));
        lista->setFocus();
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Up); // the newest again
        // Space on the focused button, as after Tab.
        for (const char* przycisk : {"Porownaj", "Wczytaj"}) {
            auto* p = o.findChild<QPushButton*>(QString::fromLatin1(przycisk));
            ASSERT_NE(p, nullptr);
            p->setFocus();
            QTest::keyClick(p, Qt::Key_Space);
        }
        EXPECT_EQ(o.result(), QDialog::Accepted);
    });
    QTest::keyClick(okno.get(), Qt::Key_K, Qt::AltModifier);
    auto* kasaMenu = Kontrolka<QMenu>("MenuKasa");
    ASSERT_TRUE(QTest::qWaitFor([kasaMenu] { return kasaMenu->isVisible(); }, 2000));
    QTest::keyClick(kasaMenu, Qt::Key_Z);
    ASSERT_EQ(dialogi.pokazaneOkna, 1);
    EXPECT_EQ(dialogi.Teksty(),
              QStringList{u"Kopia różni się od tablic (klawiszy: 1):\r"
                          "F1: 1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu "
                          "/ w tablicach: 2 - FUNKCJA: 07   ZESTAW RAPORTÓW"_s});
    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad())) << "loaded";

    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    EXPECT_EQ(TekstPlikuDefinicji(CzytajZKasy(), "01"), Plik(kopia.string()))
        << "the register holds the backup again, byte for byte";
}

// "Porównaj z kasą" in menu "Kasa": the keys whose definitions in the
// register differ from the tables are listed; nothing is written.

#include "OknoZKasa.h"

#include "format/KodyKlawiszy.h"

#include <QMenu>
#include <QTest>

#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using PorownanieZKasa = OknoZKasa;

TEST_F(PorownanieZKasa, TheMenuEntryListsTheKeysThatDiffer) {
    TabliceKlawiszy inne = Przyklad();
    inne.Rekord(KolejnoscKlawiszy()[0].miejsce) = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    struct Przypadek {
        const char* nazwa;
        TabliceKlawiszy tablice;
        QString tekst;
    };
    const std::vector<Przypadek> przypadki{
        {"equal", Przyklad(), u"Definicje w kasie są takie same jak w tablicach."_s},
        {"one key differs", inne,
         u"Definicje w kasie różnią się od tablic (klawiszy: 1):\r"
         "F1: 1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu / w "
         "tablicach: 2 - FUNKCJA: 07   ZESTAW RAPORTÓW"_s},
    };
    ZapiszWKasie(Przyklad());
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        okno.reset();
        OknoTestowe::SetUp(); // a fresh window: its menu bar as the user finds it
        Stan().tablice = p.tablice;
        dialogi.komunikaty.clear();
        QTest::keyClick(okno.get(), Qt::Key_K, Qt::AltModifier);
        auto* kasaMenu = Kontrolka<QMenu>("MenuKasa");
        ASSERT_TRUE(QTest::qWaitFor([kasaMenu] { return kasaMenu->isVisible(); }, 2000));
        QTest::keyClick(kasaMenu, Qt::Key_R);
        EXPECT_EQ(dialogi.Teksty(), QStringList{p.tekst});
        EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad())) << "nothing written";
        EXPECT_EQ(Stan().tablice, p.tablice) << "nor loaded";
    }
}

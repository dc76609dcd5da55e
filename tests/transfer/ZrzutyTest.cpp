// Saves pictures of the change list before "Zapis do kasy" and of "Kopie
// zapasowe" and of the marks on the keyboard picture when ORBAKLAW_ZRZUT
// names a PNG file (README, "Working on it").

#include "OknoZKasa.h"

#include "format/KodyKlawiszy.h"
#include "transfer/OknoKopii.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using Zrzuty = OknoZKasa;

TEST_F(Zrzuty, Zrzut) {
    const QString plik = qEnvironmentVariable("ORBAKLAW_ZRZUT");
    if (plik.isEmpty())
        GTEST_SKIP() << "ORBAKLAW_ZRZUT does not name a PNG file to save the pictures to";
    ZapiszWKasie(Przyklad());
    TabliceKlawiszy inne = Przyklad();
    inne.Rekord(KolejnoscKlawiszy()[0].miejsce) = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    inne.KlawiszeLewyAlt[12] = {};
    Stan().tablice = inne;
    dialogi.prawdziweKomunikaty = true;
    // The change list, saved, then Enter; the result, then Enter.
    NaOknie("QMessageBox", [this, plik](QWidget& w) {
        QTest::qWait(50);
        EXPECT_TRUE(w.grab().save(plik));
        // The whole screen: the write's progress box under the question.
        if (QScreen* ekran = QGuiApplication::primaryScreen())
            ekran->grabWindow(0).save(plik + u"-ekran.png"_s);
        QTest::keyClick(&w, Qt::Key_Return);
        NacisnijWOknie(Qt::Key_Return);
    });
    Kliknij("bZapis");
    dialogi.prawdziweKomunikaty = false;
    dialogi.okna.push_back([plik](QDialog& d) {
        QTest::qWait(50);
        EXPECT_TRUE(d.grab().save(plik + u"-kopie.png"_s));
    });
    okno.reset();
    OknoTestowe::SetUp();
    Stan().tablice = inne;
    QTest::keyClick(okno.get(), Qt::Key_K, Qt::AltModifier);
    auto* kasaMenu = Kontrolka<QMenu>("MenuKasa");
    ASSERT_TRUE(QTest::qWaitFor([kasaMenu] { return kasaMenu->isVisible(); }, 2000));
    QTest::keyClick(kasaMenu, Qt::Key_Z);
    EXPECT_EQ(dialogi.pokazaneOkna, 1);
    // The marks of the defined keys after a read.
    Kliknij("bOdczyt");
    PokazPole(Bezp, "Edit2");
    QTest::qWait(50);
    EXPECT_TRUE(okno->grab().save(plik + u"-znaczniki.png"_s));
}

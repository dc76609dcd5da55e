// Choosing a key: presses on the picture, the label fields' focus actions
// and the ALT variant.

#include "OknoTestowe.h"

#include "appearance/PolaEtykiet.h"
#include "format/ListyWyboru.h"
#include "widgets/GrupaRadiowa.h"

#include "tests/support/WzorObszarowKlawiszy.h"
#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
using test::Obszar;
using test::Obszary;

const char* const NazwyF[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9"};
} // namespace

using WyborKlawiszaWOknie = OknoTestowe;

TEST_F(WyborKlawiszaWOknie, EveryCornerOfEveryAreaChoosesItsKey) {
    UstawWariant(0); // every key exists in LEWY+PRAWY ALT
    for (const auto& o : Obszary) {
        for (int x : {o.x1, o.x2}) {
            for (int y : {o.y1, o.y2}) {
                Nacisnij(x, y);
                EXPECT_EQ(Kontrolka<QLabel>("lKlawisz")->text().toInt(), o.nr) << x << "," << y;
                EXPECT_EQ(NazwaKlawisza(),
                          QString::fromLatin1(orbaklaw::NazwaKlawisza(0, o.nr).c_str()));
            }
        }
    }
}

TEST_F(WyborKlawiszaWOknie, PressesJustOutsideChooseNothing) {
    UstawWariant(0);
    for (QPoint p : {QPoint(84, 45), QPoint(83, 12), QPoint(131, 12), QPoint(78, 150),
                     QPoint(132, 150), QPoint(0, 0), QPoint(200, 395)}) {
        Nacisnij(84, 12); // F1 first, so the kept selection is known
        Nacisnij(p.x(), p.y());
        EXPECT_EQ(NazwaKlawisza(), QString()) << p.x() << "," << p.y();
        EXPECT_FALSE(Grupa("rgDefinicja")->isVisible());
        EXPECT_FALSE(Kontrolka("Button5")->isVisible());
        EXPECT_EQ(Kontrolka<QLabel>("lKlawisz")->text(), u"0") << "selection is kept";
        EXPECT_EQ(Stan().OstatniKlawisz, 0);
    }
    Nacisnij(79, 150);
    EXPECT_EQ(NazwaKlawisza(), u"LEWY+PR.ALT+7");
}

TEST_F(WyborKlawiszaWOknie, KeyNamesOfEveryVariant) {
    const char* przedrostki[] = {"LEWY+PR.ALT+", "LEWY  ALT+", "PRAWY ALT+", ""};
    for (int wariant = 0; wariant < 4; ++wariant) {
        UstawWariant(wariant);
        for (const auto& o : Obszary) {
            Nacisnij(o.x1, o.y1);
            const bool istnieje = o.nr <= 8 || (o.nr == 9 ? wariant == 0 : wariant != 3);
            const QString klawisz =
                o.nr <= 8 ? QString::fromLatin1(NazwyF[o.nr]) : QString::number(o.nr - 9);
            const QString oczekiwana =
                istnieje ? QString::fromLatin1(przedrostki[wariant]) + klawisz : QString();
            EXPECT_EQ(NazwaKlawisza(), oczekiwana) << wariant << "/" << o.nr;
            EXPECT_EQ(Grupa("rgDefinicja")->isVisible(), istnieje) << wariant << "/" << o.nr;
            EXPECT_EQ(Kontrolka("Button5")->isVisible(), istnieje) << wariant << "/" << o.nr;
        }
    }
}

TEST_F(WyborKlawiszaWOknie, DigitZeroOutsideBothAltsLeavesNothingToStore) {
    for (int wariant : {1, 2, 3}) {
        UstawWariant(wariant);
        KliknijPozycje("rgDefinicja", 2);
        Nacisnij(105, 346);
        EXPECT_EQ(NazwaKlawisza(), QString());
        EXPECT_EQ(Rodzaj(), 0);
        EXPECT_FALSE(Grupa("rgDefinicja")->isVisible());
        EXPECT_FALSE(Kontrolka("Button5")->isVisible());
        EXPECT_FALSE(Wybor("cbFunkcja")->isVisible());
    }
}

TEST_F(WyborKlawiszaWOknie, EnteringEitherLabelFieldChoosesItsKey) {
    Kliknij("Button2");
    UstawWariant(0);
    for (const auto& pole : PolaEtykiet()) {
        Kontrolka("bOdczyt")->setFocus();
        Pole(pole.nazwa)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Kontrolka<QLabel>("lKlawisz")->text().toInt(), pole.nrKlawisza) << pole.nazwa;
    }
    UstawWariant(2);
    Pole("e5a")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(NazwaKlawisza(), u"PRAWY ALT+5");
}

TEST_F(WyborKlawiszaWOknie, EnteringADigitFieldInBezpAfterF2GivesAnEmptyName) {
    Kliknij("Button2");
    Nacisnij(160, 20);
    ASSERT_EQ(NazwaKlawisza(), u"F2");
    Pole("e4")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(NazwaKlawisza(), QString());
    EXPECT_FALSE(Kontrolka("Button5")->isVisible());
}

// One click into a key's label line chooses the key and leaves the cursor
// there: what is typed next goes into the line, not to the key's chooser.
TEST_F(WyborKlawiszaWOknie, EnteringADefinedKeysFieldKeepsTheFocusInTheField) {
    Slot(3, 1).Rodzaj = 2;
    Slot(3, 1).Numer = 5;
    Kliknij("Button2");
    QTest::mouseClick(Pole("Edit2"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 8));
    EXPECT_EQ(NazwaKlawisza(), u"F2");
    EXPECT_EQ(QApplication::focusWidget(), Pole("Edit2"));
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 4);
    QTest::keyClicks(QApplication::focusWidget(), u"KAWA"_s);
    EXPECT_EQ(Pole("Edit2")->text(), u"KAWA");
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 4);
    // The other field of the key shown: nothing is reset, the focus stays.
    Pole("Edit2a")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), Pole("Edit2a"));
    // An undefined key: the focus stays in its field.
    Pole("Edit3")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), Pole("Edit3"));
}

TEST_F(WyborKlawiszaWOknie, ChangingTheVariantKeepsF1AndLoadsItsRecord) {
    Slot(1, 0).Rodzaj = 3;
    Slot(1, 0).Numer = 8;
    Slot(1, 0).Kwota = 12345;
    KliknijPozycje("rgDefinicja", 1); // not stored: replaced by the record when shown
    UstawWariant(1);
    EXPECT_EQ(NazwaKlawisza(), u"LEWY  ALT+F1");
    EXPECT_EQ(Rodzaj(), 3);
    EXPECT_EQ(Wybor("cbPlatnosc")->currentText(), u"EURO");
    EXPECT_EQ(Pole("Edit10")->text(), u"123,45");
    EXPECT_TRUE(Kontrolka("Label5")->isVisible());
}

TEST_F(WyborKlawiszaWOknie, TheAreasFollowTheFieldsWhereTheyStandNow) {
    Pole("Edit1")->move(200, 300);
    Nacisnij(84, 12);
    EXPECT_EQ(NazwaKlawisza(), QString());
    Nacisnij(205, 310);
    EXPECT_EQ(NazwaKlawisza(), u"F1");
}

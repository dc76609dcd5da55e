// The window used from the keyboard: Tab into and out of the radio groups,
// arrows within them, and the default button "Zatwierdź".

#include "OknoTestowe.h"

#include "widgets/GrupaRadiowa.h"

#include <QRadioButton>
#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
void Wcisnij(Qt::Key klawisz, Qt::KeyboardModifiers modyfikatory = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), klawisz, modyfikatory);
}
QWidget* Fokus() {
    return QApplication::focusWidget();
}
} // namespace

using KlawiaturaOkna = OknoTestowe;

TEST_F(KlawiaturaOkna, TabEntersARadioGroupAtItsCheckedItemAndLeavesItWithTheNextTab) {
    KliknijPozycje("rgDefinicja", 1); // goods: the focus goes to the goods chooser
    ASSERT_EQ(Fokus(), Wybor("cbTowary"));
    Wcisnij(Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Grupa("rgAlty")->Przycisk(3)) << "BEZP., the checked item";
    Wcisnij(Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Kontrolka("bOdczyt")) << "one Tab leaves the group";
    Wcisnij(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Grupa("rgAlty")->Przycisk(3));

    KliknijPozycje("rgDefinicja", 2); // the function chooser gets the focus
    ASSERT_EQ(Fokus(), Wybor("cbFunkcja"));
    Wcisnij(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), Grupa("rgDefinicja")->Przycisk(2)) << "2 - FUNKCJA, the checked item";
}

TEST_F(KlawiaturaOkna, ArrowsChangeTheKindAndTheFocusMovesToItsChooser) {
    struct Krok {
        Qt::Key klawisz;
        int rodzaj;
        const char* fokus; // nullptr: the kind's radio button keeps it
    };
    const Krok kroki[] = {
        {Qt::Key_Down, 1, "cbTowary"},   {Qt::Key_Right, 2, "cbFunkcja"},
        {Qt::Key_Down, 3, "cbPlatnosc"}, {Qt::Key_Down, 0, nullptr},
        {Qt::Key_Up, 3, "cbPlatnosc"},   {Qt::Key_Left, 2, "cbFunkcja"},
        {Qt::Key_Up, 1, "cbTowary"},     {Qt::Key_Up, 0, nullptr},
    };
    GrupaRadiowa* grupa = Grupa("rgDefinicja");
    for (const Krok& k : kroki) {
        grupa->Przycisk(Rodzaj())->setFocus(Qt::TabFocusReason);
        Wcisnij(k.klawisz);
        EXPECT_EQ(Rodzaj(), k.rodzaj) << k.rodzaj;
        QWidget* oczekiwany = k.fokus ? Kontrolka(k.fokus) : grupa->Przycisk(k.rodzaj);
        EXPECT_EQ(Fokus(), oczekiwany) << k.rodzaj;
    }
}

TEST_F(KlawiaturaOkna, ArrowsInTheAltGroupChooseTheVariant) {
    GrupaRadiowa* alty = Grupa("rgAlty");
    alty->Przycisk(3)->setFocus(Qt::TabFocusReason);
    Wcisnij(Qt::Key_Left);
    EXPECT_EQ(alty->ItemIndex(), 2);
    EXPECT_EQ(NazwaKlawisza(), u"PRAWY ALT+F1"_s);
    EXPECT_EQ(Fokus(), alty->Przycisk(2));
    Wcisnij(Qt::Key_Tab);
    EXPECT_EQ(Fokus(), Kontrolka("bOdczyt"));
    Wcisnij(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Fokus(), alty->Przycisk(2)) << "the new checked item takes Tab";
}

TEST_F(KlawiaturaOkna, ZatwierdzIsDrawnAsTheDefaultButton) {
    auto* zatwierdz = Kontrolka<QPushButton>("Button5");
    Kontrolka("Edit1")->setFocus(Qt::OtherFocusReason); // not on the button
    EXPECT_TRUE(zatwierdz->isDefault());
    const QImage jaki = zatwierdz->grab().toImage();
    zatwierdz->setDefault(false);
    EXPECT_NE(jaki, zatwierdz->grab().toImage()) << "drawn as the default button";
}

// As on Windows, a push button with the focus is the one Enter presses, so
// it is the one drawn as the default; elsewhere "Zatwierdź" is.
TEST_F(KlawiaturaOkna, TheFocusedPushButtonTakesTheDefaultLook) {
    auto* zatwierdz = Kontrolka<QPushButton>("Button5");
    auto* odczyt = Kontrolka<QPushButton>("bOdczyt");
    Grupa("rgAlty")->Przycisk(3)->setFocus(Qt::MouseFocusReason);
    Wcisnij(Qt::Key_Tab);
    ASSERT_EQ(Fokus(), odczyt);
    EXPECT_TRUE(odczyt->isDefault());
    EXPECT_FALSE(zatwierdz->isDefault());
    Wcisnij(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(odczyt->isDefault());
    EXPECT_TRUE(zatwierdz->isDefault());
}

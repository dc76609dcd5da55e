// The definition panel: what each kind shows, what a stored record loads,
// the amount field and the choosers' rules.

#include "OknoTestowe.h"

#include "keys/PanelDefinicji.h"
#include "widgets/GrupaRadiowa.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const char* const Sterowane[] = {"cbTowary",  "Label1",    "cbPojedynczo", "cbParagon",
                                 "cbZaplata", "Label4",    "Label3",       "Label2",
                                 "Edit10",    "cbFunkcja", "cbPlatnosc",   "Label5"};

// Which of Sterowane each kind shows.
const bool Widoczne[4][12] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0},
    {0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 1},
};
const char* const Fokus[4] = {nullptr, "cbTowary", "cbFunkcja", "cbPlatnosc"};
} // namespace

using PanelDefinicjiWOknie = OknoTestowe;

TEST_F(PanelDefinicjiWOknie, EachKindShowsItsControlsAndFocusesItsChooser) {
    for (int rodzaj : {1, 2, 3, 0, 3, 1, 2}) {
        Pole("Edit10")->setText(u"12,00"_s);
        KliknijPozycje("rgDefinicja", rodzaj);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(Kontrolka(Sterowane[i])->isVisible(), Widoczne[rodzaj][i])
                << rodzaj << " " << Sterowane[i];
        if (Fokus[rodzaj]) {
            EXPECT_EQ(QApplication::focusWidget(), Kontrolka(Fokus[rodzaj])) << rodzaj;
        }
        EXPECT_EQ(Pole("Edit10")->text(), rodzaj == 3 ? u"0"_s : u"12,00"_s);
    }
}

TEST_F(PanelDefinicjiWOknie, TheKindStepKeepsChoicesAndChecks) {
    KliknijPozycje("rgDefinicja", 1);
    Wybor("cbTowary")->setCurrentIndex(9);
    Kontrolka<QCheckBox>("cbZaplata")->setChecked(true);
    KliknijPozycje("rgDefinicja", 2);
    KliknijPozycje("rgDefinicja", 1);
    EXPECT_EQ(Wybor("cbTowary")->currentIndex(), 9);
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbZaplata")->isChecked());
}

TEST_F(PanelDefinicjiWOknie, AStoredGoodsRecordIsLoaded) {
    auto& d = Slot(3, 4);
    d.Rodzaj = 1;
    d.NrTowaru = 12;
    d.Pojedynczo = 1;
    d.Paragon = 1;
    Nacisnij(20, 80);
    EXPECT_EQ(NazwaKlawisza(), u"F5");
    EXPECT_EQ(Rodzaj(), 1);
    EXPECT_EQ(Wybor("cbTowary")->currentIndex(), 11);
    EXPECT_EQ(Wybor("cbTowary")->currentText(), u"012 ");
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbPojedynczo")->isChecked());
    EXPECT_FALSE(Kontrolka<QCheckBox>("cbZaplata")->isChecked());
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbParagon")->isChecked());
    EXPECT_FALSE(Kontrolka("Label5")->isVisible());
}

TEST_F(PanelDefinicjiWOknie, AmountsShowWithACommaBeforeTheGrosze) {
    const std::pair<int64_t, const char*> kwoty[] = {
        {0, "0,00"}, {5, "0,05"}, {50, "0,50"}, {12345, "123,45"}, {100, "1,00"}};
    for (const auto& [grosze, tekst] : kwoty) {
        Slot(3, 2) = {};
        Slot(3, 2).Rodzaj = 3;
        Slot(3, 2).Numer = 1;
        Slot(3, 2).Kwota = grosze;
        Nacisnij(230, 20);
        EXPECT_EQ(Pole("Edit10")->text(), QString::fromLatin1(tekst));
        EXPECT_EQ(Wybor("cbPlatnosc")->currentIndex(), 1);
    }
}

TEST_F(PanelDefinicjiWOknie, ANumberBeyondAChoosersListLeavesItWithoutAChoice) {
    Slot(3, 0).Rodzaj = 2;
    Slot(3, 0).Numer = 25;
    Nacisnij(84, 12);
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), -1);
    Slot(3, 1).Rodzaj = 1;
    Slot(3, 1).NrTowaru = 600;
    Nacisnij(160, 12);
    EXPECT_EQ(Wybor("cbTowary")->currentIndex(), -1);
}

TEST_F(PanelDefinicjiWOknie, AnotherKeyResetsThePanelTheSameKeyOnlyReloads) {
    KliknijPozycje("rgDefinicja", 1);
    Kontrolka<QCheckBox>("cbPojedynczo")->setChecked(true);
    Nacisnij(84, 12); // the same key: reloaded from its undefined record
    EXPECT_EQ(Rodzaj(), 0);
    EXPECT_TRUE(Kontrolka<QCheckBox>("cbPojedynczo")->isChecked()) << "no reset";
    Nacisnij(160, 12);
    EXPECT_FALSE(Kontrolka<QCheckBox>("cbPojedynczo")->isChecked());
    EXPECT_EQ(Stan().OstatniKlawisz, 1);
}

TEST_F(PanelDefinicjiWOknie, OnlyDigitsStopsAndCommasCanBeTyped) {
    KliknijPozycje("rgDefinicja", 3);
    QLineEdit* kwota = Pole("Edit10");
    kwota->setFocus();
    kwota->clear();
    QTest::keyClicks(kwota, u"1a2-b.,5 e"_s);
    EXPECT_EQ(kwota->text(), u"12.,5");
    QTest::keyClick(kwota, Qt::Key_Backspace);
    EXPECT_EQ(kwota->text(), u"12.,5") << "Backspace is dropped too";
    QTest::keyClick(kwota, Qt::Key_Left);
    QTest::keyClick(kwota, Qt::Key_Delete);
    EXPECT_EQ(kwota->text(), u"12.,");
    QTest::keyClicks(kwota, u"1234567890"_s);
    EXPECT_EQ(kwota->text().size(), 9);
}

TEST_F(PanelDefinicjiWOknie, LeavingTheAmountFieldTidiesIt) {
    const std::pair<const char*, const char*> przypadki[] = {
        {"0,5", "0,50"}, {",5", ",50"},    {"12", "12,00"}, {"12.5", "12,50"},
        {"7.", "!!!"},   {"1,234", "!!!"}, {"", ",00"},
    };
    KliknijPozycje("rgDefinicja", 3);
    for (const auto& [wejscie, wynik] : przypadki) {
        Pole("Edit10")->setFocus(Qt::MouseFocusReason);
        Pole("Edit10")->setText(QString::fromLatin1(wejscie));
        Wybor("cbPlatnosc")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(Pole("Edit10")->text(), QString::fromLatin1(wynik)) << wejscie;
    }
}

TEST_F(PanelDefinicjiWOknie, ChoosersTakeNoTyping) {
    KliknijPozycje("rgDefinicja", 2);
    QTest::keyClicks(Wybor("cbFunkcja"), u"15xyz"_s);
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 0);
    QTest::keyClick(Wybor("cbFunkcja"), Qt::Key_Down);
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 1);
}

TEST_F(PanelDefinicjiWOknie, VersionOneRegistersWarnAboutEuroAndFunction18) {
    const QString ostrzezenie = u"   Nie można zapisać tej płatności do kasy.  \r"
                                u"Opcja możliwa od wersji 2 programu pracy kasy"_s;
    for (int wersja : {0, 1, 2, 3}) {
        Stan().WersjaKasy = static_cast<uint8_t>(wersja);
        dialogi.komunikaty.clear();
        KliknijPozycje("rgDefinicja", 3);
        Wybor("cbPlatnosc")->setCurrentIndex(3);
        QTest::keyClick(Wybor("cbPlatnosc"), Qt::Key_Down); // EURO
        KliknijPozycje("rgDefinicja", 2);
        Wybor("cbFunkcja")->setCurrentIndex(16);
        QTest::keyClick(Wybor("cbFunkcja"), Qt::Key_Down); // 18 WYŁĄCZENIE KASY
        QTest::keyClick(Wybor("cbFunkcja"), Qt::Key_Down); // 19: no warning
        const QStringList oczekiwane =
            wersja == 1 ? QStringList{ostrzezenie, ostrzezenie} : QStringList{};
        EXPECT_EQ(dialogi.Teksty(), oczekiwane) << wersja;
        if (wersja == 1) {
            EXPECT_EQ(dialogi.komunikaty[0].tytul, u"orbaklaw");
            EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Brak);
        }
        Nacisnij(84, 12);
    }
}

TEST_F(PanelDefinicjiWOknie, ChoicesSetByTheProgramDoNotWarn) {
    Stan().WersjaKasy = 1;
    Slot(3, 0).Rodzaj = 3;
    Slot(3, 0).Numer = 8;
    Slot(3, 1).Rodzaj = 2;
    Slot(3, 1).Numer = 18;
    Nacisnij(84, 12);
    Nacisnij(160, 12);
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

namespace {
void Wcisnij(Qt::Key klawisz, Qt::KeyboardModifiers modyfikatory = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), klawisz, modyfikatory);
}
void Napisz(const QString& tekst) {
    QTest::keyClicks(QApplication::focusWidget(), tekst);
}
} // namespace

TEST_F(PanelDefinicjiWOknie, TabAndShiftTabLeaveTheAmountFieldWhichIsTidied) {
    KliknijPozycje("rgDefinicja", 3); // the focus goes to the payment chooser
    ASSERT_EQ(QApplication::focusWidget(), Wybor("cbPlatnosc"));
    Wcisnij(Qt::Key_Tab); // "Zatwierdź"
    Wcisnij(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Pole("Edit10"));
    Wcisnij(Qt::Key_End);
    Napisz(u"5"_s); // "05"
    Wcisnij(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), Pole("Edit10"));
    EXPECT_EQ(Pole("Edit10")->text(), u"05,00"_s);

    QTest::mouseClick(Pole("Edit10"), Qt::LeftButton);
    Wcisnij(Qt::Key_End);
    Wcisnij(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Kontrolka("Button5"));
}

TEST_F(PanelDefinicjiWOknie, AmountsOfAMillionAndMoreAreShownWholeAndStoredUnchanged) {
    const std::pair<int64_t, const char*> kwoty[] = {{99999999, "999999,99"},
                                                     {100000000, "1000000,00"},
                                                     {123456789, "1234567,89"},
                                                     {2147483647, "21474836,47"}};
    for (const auto& [grosze, tekst] : kwoty) {
        Slot(3, 2) = {};
        Slot(3, 2).Rodzaj = 3;
        Slot(3, 2).Numer = 1;
        Slot(3, 2).Kwota = grosze;
        Nacisnij(230, 20); // F3; the focus goes to the payment chooser
        EXPECT_EQ(Pole("Edit10")->text(), QString::fromLatin1(tekst));
        Wcisnij(Qt::Key_Tab);
        Wcisnij(Qt::Key_Tab); // into the amount field and out again: tidied
        Wcisnij(Qt::Key_Tab);
        EXPECT_EQ(Pole("Edit10")->text(), QString::fromLatin1(tekst)) << "left unchanged";
        QTest::mouseClick(Pole("Edit10"), Qt::LeftButton);
        Wcisnij(Qt::Key_Return); // "Zatwierdź"
        EXPECT_TRUE(dialogi.komunikaty.empty()) << tekst;
        EXPECT_EQ(Slot(3, 2).Kwota, grosze) << tekst;
    }
}

TEST_F(PanelDefinicjiWOknie, TypingStopsAtNineCharactersWhateverTheFieldShows) {
    Slot(3, 2).Rodzaj = 3;
    Slot(3, 2).Kwota = 123456789;
    Nacisnij(230, 20);
    QLineEdit* kwota = Pole("Edit10");
    QTest::mouseClick(kwota, Qt::LeftButton);
    Wcisnij(Qt::Key_End);
    Napisz(u"1"_s);
    EXPECT_EQ(kwota->text(), u"1234567,89"_s) << "ten characters shown: no more typing";
    Wcisnij(Qt::Key_Home);
    Wcisnij(Qt::Key_Delete);
    Wcisnij(Qt::Key_Delete);
    Napisz(u"77"_s);
    EXPECT_EQ(kwota->text(), u"734567,89"_s) << "one character fits again";

    kwota->selectAll();
    Napisz(u"123456789"_s); // typed over the selection
    EXPECT_EQ(kwota->text(), u"123456789"_s);
    Wcisnij(Qt::Key_Tab);
    EXPECT_EQ(kwota->text(), u"123456789,00"_s) << "the tidied text is shown whole";

    QTest::mouseClick(kwota, Qt::LeftButton);
    kwota->setText(u"12"_s);
    QGuiApplication::clipboard()->setText(u"3456789012\n34"_s);
    Wcisnij(Qt::Key_End);
    Wcisnij(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(kwota->text(), u"123456789"_s) << "a paste is cut to the room left";
}

// The goods list is searched by typing: a goods number (with or without its
// leading zeros) or the start of a name, whatever its case; a pause starts a
// new search. Enter then confirms the goods item found.
TEST_F(PanelDefinicjiWOknie, GoodsAreFoundByTypingTheirNumberOrName) {
    Stan().towary.UstawNazwe(7, "CHLEB");
    Stan().towary.UstawNazwe(300, "MAS\x88O"); // "MASŁO" in CP852
    Stan().towary.UstawNazwe(301, "MASA");
    okno->Panel().WypelnijTowary(Stan().towary);
    KliknijPozycje("rgDefinicja", 1);
    QComboBox* towary = Wybor("cbTowary");
    ASSERT_EQ(QApplication::focusWidget(), towary);
    const struct {
        QString tekst;
        int pozycja;
    } przypadki[] = {
        {u"12"_s, 11},   {u"007"_s, 6},    {u"511"_s, 510}, {u"ch"_s, 6},   {u"masa"_s, 300},
        {u"MAS"_s, 299}, {u"masł"_s, 299}, {u"xyz"_s, 299}, {u"512"_s, 50}, // 51 found on the way
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tekst.toStdString());
        Wpisz(towary, p.tekst);
        EXPECT_EQ(towary->currentIndex(), p.pozycja);
        QTest::qWait(1100);
    }
    Wpisz(towary, u"8"_s);
    QTest::keyClick(towary, Qt::Key_Return);
    EXPECT_EQ(Slot(Bezp, 0).Rodzaj, Towar);
    EXPECT_EQ(Slot(Bezp, 0).NrTowaru, 8);
}

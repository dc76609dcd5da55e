// "Zatwierdź": the record built from the panel, the amount rules, the
// payment limit and the choosers without a choice.

#include "OknoTestowe.h"

#include "widgets/GrupaRadiowa.h"

#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const QString KomunikatKwoty =
    u"WPROWADŹ KWOTĘ W ZŁOTYCH Z MAKSYMALNIE DWOMA MIEJSCAMI PO PRZECINKU"_s;
const QString KomunikatLimitu = u"       Klawisz nie może zostać zatwierdzony.        \n"
                                u"Zdefiniowano już maksymalną liczbę płatności (osiem)."_s;

DefinicjaKlawisza DefPlatnosci(uint8_t numer, int64_t kwota) {
    DefinicjaKlawisza d;
    d.Rodzaj = 3;
    d.Numer = numer;
    d.Kwota = kwota;
    return d;
}
} // namespace

class Zatwierdzenie : public OknoTestowe {
protected:
    void Zatwierdz() { Kliknij("Button5"); }
    // Confirms a payment with `kwota` typed (not normalised) in the field.
    void ZatwierdzPlatnosc(int pozycja, const QString& kwota) {
        KliknijPozycje("rgDefinicja", 3);
        Wybor("cbPlatnosc")->setCurrentIndex(pozycja);
        Pole("Edit10")->setText(kwota);
        Zatwierdz();
    }
    void OsiemPlatnosci() {
        for (int nr = 0; nr < 8; ++nr)
            Slot(3, nr) = DefPlatnosci(1, 100);
    }
};

TEST_F(Zatwierdzenie, GoodsRecord) {
    Slot(3, 0).KodKlawisza = 237;
    Slot(3, 0).Kwota = 77;
    KliknijPozycje("rgDefinicja", 1);
    Wybor("cbTowary")->setCurrentIndex(510);
    Kontrolka<QCheckBox>("cbZaplata")->setChecked(true);
    Zatwierdz();
    DefinicjaKlawisza oczekiwana;
    oczekiwana.Rodzaj = 1;
    oczekiwana.NrTowaru = 511;
    oczekiwana.Zaplata = 1;
    EXPECT_EQ(Slot(3, 0), oczekiwana) << "every field replaced, unused ones 0";
    EXPECT_EQ(Rodzaj(), 1) << "the panel stays as it was";
}

TEST_F(Zatwierdzenie, FunctionAndUndefinedRecords) {
    KliknijPozycje("rgDefinicja", 2);
    Wybor("cbFunkcja")->setCurrentIndex(18);
    Zatwierdz();
    EXPECT_EQ(Slot(3, 0).Rodzaj, 2);
    EXPECT_EQ(Slot(3, 0).Numer, 19);
    KliknijPozycje("rgDefinicja", 0);
    Zatwierdz();
    EXPECT_EQ(Slot(3, 0), DefinicjaKlawisza{});
}

TEST_F(Zatwierdzenie, PaymentAmountsAreReadExactly) {
    const std::pair<const char*, int64_t> kwoty[] = {{"0,53", 53},    {"1,239", 123}, {"5", 500},
                                                     {"12,50", 1250}, {",5", 50},     {"0,29", 29}};
    for (const auto& [tekst, grosze] : kwoty) {
        ZatwierdzPlatnosc(2, QString::fromLatin1(tekst));
        EXPECT_EQ(Slot(3, 0), DefPlatnosci(2, grosze)) << tekst;
    }
    EXPECT_TRUE(dialogi.komunikaty.empty());
}

TEST_F(Zatwierdzenie, EuroIsStoredAsEight) {
    ZatwierdzPlatnosc(4, u"1,00"_s);
    EXPECT_EQ(Slot(3, 0), DefPlatnosci(8, 100));
}

TEST_F(Zatwierdzenie, FiveAndEnterWithoutLeavingTheFieldIsFiveZloty) {
    KliknijPozycje("rgDefinicja", 3);
    QLineEdit* kwota = Pole("Edit10");
    kwota->setFocus(Qt::MouseFocusReason);
    kwota->selectAll();
    QTest::keyClick(kwota, Qt::Key_5);
    QTest::keyClick(kwota, Qt::Key_Return);
    EXPECT_EQ(kwota->text(), u"5");
    EXPECT_EQ(Slot(3, 0).Kwota, 500);
}

TEST_F(Zatwierdzenie, AnAmountThatIsNoNumberIsStoredAsZeroAfterTheMessage) {
    for (const QString& tekst : {u"!!!"_s, QString(), u"12.50"_s}) {
        dialogi.komunikaty.clear();
        ZatwierdzPlatnosc(1, tekst);
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst, KomunikatKwoty);
        EXPECT_EQ(dialogi.komunikaty[0].przyciski, Przyciski::Ok);
        EXPECT_EQ(Slot(3, 0), DefPlatnosci(1, 0));
        EXPECT_EQ(QApplication::focusWidget(), Pole("Edit10"));
    }
}

TEST_F(Zatwierdzenie, ANinthCountedPaymentIsRefusedAndTheKeyKeepsItsDefinition) {
    OsiemPlatnosci();
    Slot(3, 8).Rodzaj = 2;
    Slot(3, 8).Numer = 7;
    Nacisnij(300, 80); // F9
    ZatwierdzPlatnosc(0, u"1"_s);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, KomunikatLimitu);
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Ostrzezenie);
    EXPECT_EQ(dialogi.komunikaty[0].przyciski, Przyciski::Ok);
    EXPECT_EQ(Slot(3, 8).Rodzaj, 2);
    EXPECT_EQ(Slot(3, 8).Numer, 7);
    EXPECT_EQ(Rodzaj(), 2) << "the panel shows the kept definition again";
    EXPECT_EQ(Wybor("cbFunkcja")->currentIndex(), 6);
}

TEST_F(Zatwierdzenie, WithEightPaymentsACountedPaymentKeyCanStillBeChanged) {
    OsiemPlatnosci();
    Nacisnij(160, 12); // F2 holds one of the eight
    ZatwierdzPlatnosc(2, u"3,50"_s);
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(Slot(3, 1), DefPlatnosci(2, 350));
}

TEST_F(Zatwierdzenie, PaymentsOnAltFunctionKeysAreNeverLimited) {
    OsiemPlatnosci();
    UstawWariant(1);
    ZatwierdzPlatnosc(0, u"1"_s);
    EXPECT_TRUE(dialogi.komunikaty.empty());
    EXPECT_EQ(Slot(1, 0), DefPlatnosci(0, 100));
    // Nine on the ALT function keys do not fill the counted set either.
    NowyStan();
    for (int nr = 0; nr < 9; ++nr)
        Slot(0, nr) = DefPlatnosci(1, 1);
    UstawWariant(3);
    ZatwierdzPlatnosc(1, u"1"_s);
    EXPECT_EQ(Slot(3, 0), DefPlatnosci(1, 100));
}

TEST_F(Zatwierdzenie, AChooserWithoutAChoiceIsNotStored) {
    struct Przypadek {
        int rodzaj;
        const char* chooser;
        QString komunikat;
    };
    const Przypadek przypadki[] = {{1, "cbTowary", u"Nie wybrano towaru."_s},
                                   {2, "cbFunkcja", u"Nie wybrano funkcji."_s},
                                   {3, "cbPlatnosc", u"Nie wybrano płatności."_s}};
    for (const auto& p : przypadki) {
        Slot(3, 0).Rodzaj = 0;
        dialogi.komunikaty.clear();
        KliknijPozycje("rgDefinicja", p.rodzaj);
        Wybor(p.chooser)->setCurrentIndex(-1);
        Zatwierdz();
        EXPECT_EQ(dialogi.Teksty(), QStringList{p.komunikat}) << p.chooser;
        EXPECT_EQ(Slot(3, 0).Rodzaj, 0) << p.chooser;
        KliknijPozycje("rgDefinicja", 0);
    }
}

TEST_F(Zatwierdzenie, AConfirmationFillsOnlyEmptyLabels) {
    Kliknij("Button2");
    Pole("Edit2")->setText(u" "_s);
    Nacisnij(160, 12);
    KliknijPozycje("rgDefinicja", 2);
    Wybor("cbFunkcja")->setCurrentIndex(15);
    Zatwierdz();
    EXPECT_EQ(Pole("Edit2")->text(), u" ") << "even a blank is the user's text";
    Nacisnij(230, 12);
    KliknijPozycje("rgDefinicja", 2);
    Wybor("cbFunkcja")->setCurrentIndex(15);
    Zatwierdz();
    EXPECT_EQ(Pole("Edit3")->text(), u"MENU");
}

// The definition file holds amounts up to 2147483647 grosze: a larger one is
// refused when it is confirmed, so "Zapis do pliku" never writes a file that
// "Odczyt z pliku" would refuse.
TEST_F(Zatwierdzenie, AmountsTheDefinitionFileCannotHoldAreRefused) {
    const std::pair<const char*, int64_t> przypadki[] = {
        {"21474836", 2147483600}, {"21474836,", 2147483600}, {"21474837", -1},
        {"999999999", -1},        {"9999999,9", 999999990},  {"0", 0},
    };
    for (const auto& [tekst, grosze] : przypadki) {
        Slot(3, 0) = DefPlatnosci(2, 7);
        dialogi.komunikaty.clear();
        Nacisnij(84, 12);
        QLineEdit* kwota = Pole("Edit10");
        QTest::mouseClick(kwota, Qt::LeftButton);
        kwota->selectAll();
        QTest::keyClicks(kwota, QString::fromLatin1(tekst));
        ASSERT_EQ(kwota->text(), QString::fromLatin1(tekst));
        QTest::keyClick(kwota, Qt::Key_Return);
        if (grosze < 0) {
            EXPECT_EQ(dialogi.Teksty(), QStringList{KomunikatKwoty}) << tekst;
            EXPECT_EQ(Slot(3, 0), DefPlatnosci(2, 7)) << tekst << ": the key keeps its definition";
            EXPECT_EQ(QApplication::focusWidget(), kwota) << tekst;
        } else {
            EXPECT_TRUE(dialogi.komunikaty.empty()) << tekst;
            EXPECT_EQ(Slot(3, 0).Kwota, grosze) << tekst;
        }
    }
}

// Labels written from the definitions: names, cuts to 6 and 3 characters,
// which fields change in which variant, and the clipboard left alone.

#include "OknoTestowe.h"

#include "appearance/PoleNaKlawiszu.h"
#include "keys/OpisKlawiszy.h"

#include <QClipboard>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

class OpisKlawiszyWOknie : public OknoTestowe {
protected:
    void Zdefiniuj(int wariant, int nr, uint8_t rodzaj, uint8_t numer, uint16_t towar = 0) {
        auto& d = Slot(wariant, nr);
        d.Rodzaj = rodzaj;
        d.Numer = numer;
        d.NrTowaru = towar;
    }
    void Opisz(bool nadpisz) { okno->Opis().OpiszKlawisze(nadpisz); }
    PoleNaKlawiszu* Etykieta(const char* nazwa) { return Kontrolka<PoleNaKlawiszu>(nazwa); }
};

TEST_F(OpisKlawiszyWOknie, NamesAreCutToSixOnFunctionKeysAndThreeOnDigits) {
    Stan().towary.UstawNazwe(3, "SER \275\340\235TY"); // CP852: SER ŻÓŁTY
    Zdefiniuj(3, 0, 2, 1);                             // F1: function 1
    Zdefiniuj(3, 1, 2, 2);                             // F2: function 2
    Zdefiniuj(3, 2, 3, 0);                             // F3: cash
    Zdefiniuj(3, 3, 3, 8);                             // F4: EURO
    Zdefiniuj(3, 4, 1, 0, 3);                          // F5: goods 3
    Zdefiniuj(3, 5, 1, 0, 600);                        // F6: goods beyond the list
    Zdefiniuj(0, 16, 3, 0);                            // digit 7: cash
    Zdefiniuj(0, 17, 3, 8);                            // digit 8: EURO
    Zdefiniuj(0, 9, 1, 0, 3);                          // digit 0: goods 3
    UstawWariant(0);
    Opisz(true);
    const std::pair<const char*, QString> oczekiwane[] = {
        {"Edit1", u"AK ZDE"_s}, {"Edit2", u"WŁĄCZE"_s}, {"Edit3", u"GOTÓWK"_s},
        {"Edit4", u"EURO"_s},   {"Edit5", u"SER ŻÓ"_s}, {"Edit6", QString()},
        {"Edit9", QString()},   {"e7", u"GOT"_s},       {"e8", u"EUR"_s},
        {"e0", u"SER"_s},
    };
    for (const auto& [nazwa, tekst] : oczekiwane)
        EXPECT_EQ(Etykieta(nazwa)->text(), tekst) << nazwa;
    EXPECT_EQ(Etykieta("Edit1")->Limit(), 8);
    EXPECT_EQ(Etykieta("e7")->Limit(), 4);
    for (const char* widoczne : {"Edit1", "Edit6", "Edit9", "e7", "e0"})
        EXPECT_TRUE(Etykieta(widoczne)->isVisible()) << widoczne;
    EXPECT_FALSE(Etykieta("e1")->isVisible()) << "undefined digit";
    EXPECT_FALSE(Etykieta("Edit1a")->isVisible()) << "second lines are never touched";
}

TEST_F(OpisKlawiszyWOknie, TheUsersClipboardIsLeftAlone) {
    QApplication::clipboard()->setText(u"schowek"_s);
    Zdefiniuj(3, 2, 3, 0);
    Opisz(true);
    EXPECT_EQ(Etykieta("Edit3")->text(), u"GOTÓWK");
    EXPECT_EQ(QApplication::clipboard()->text(), u"schowek");
}

TEST_F(OpisKlawiszyWOknie, WithoutOverwritingAnyTextStays) {
    Zdefiniuj(3, 0, 3, 0);
    Zdefiniuj(3, 1, 3, 0);
    Etykieta("Edit1")->setText(u" "_s);
    Opisz(false);
    EXPECT_EQ(Etykieta("Edit1")->text(), u" ");
    EXPECT_EQ(Etykieta("Edit2")->text(), u"GOTÓWK");
    Opisz(true);
    EXPECT_EQ(Etykieta("Edit1")->text(), u"GOTÓWK");
}

TEST_F(OpisKlawiszyWOknie, AnUndefinedDigitIsHiddenAndKeepsItsText) {
    UstawWariant(2);
    Etykieta("e5")->setText(u"ABCD"_s);
    Etykieta("e5")->show();
    Opisz(true);
    EXPECT_FALSE(Etykieta("e5")->isVisible());
    EXPECT_EQ(Etykieta("e5")->text(), u"ABC") << "a remaining text is still cut";
    Etykieta("Edit1")->setText(u"xyz"_s);
    Opisz(true);
    EXPECT_EQ(Etykieta("Edit1")->text(), QString()) << "an undefined F-key is emptied";
    EXPECT_TRUE(Etykieta("Edit1")->isVisible());
}

TEST_F(OpisKlawiszyWOknie, WhichFieldsEachVariantTouches) {
    Zdefiniuj(0, 9, 3, 0);  // digit 0 of LEWY+PRAWY ALT
    Zdefiniuj(1, 10, 3, 0); // digit 1 of LEWY ALT
    Zdefiniuj(1, 0, 3, 8);  // LEWY ALT+F1: never on the labels
    UstawWariant(3);
    Opisz(true);
    EXPECT_EQ(Etykieta("e0")->text(), QString());
    EXPECT_EQ(Etykieta("e1")->text(), QString());
    EXPECT_EQ(Etykieta("Edit1")->text(), QString()) << "plain F1 is undefined";
    UstawWariant(1);
    Etykieta("e0")->setText(u"X"_s);
    Opisz(true);
    EXPECT_EQ(Etykieta("e0")->text(), u"X") << "digit 0 has no LEWY ALT key";
    EXPECT_EQ(Etykieta("e1")->text(), u"GOT");
    UstawWariant(0);
    Opisz(true);
    EXPECT_EQ(Etykieta("e0")->text(), u"GOT");
}

TEST_F(OpisKlawiszyWOknie, PaymentNamesFollowTheChoosersItems) {
    Wybor("cbPlatnosc")->setItemText(2, u"KARTA KREDYTOWA"_s);
    Zdefiniuj(3, 0, 3, 2);
    Opisz(true);
    EXPECT_EQ(Etykieta("Edit1")->text(), u"KARTA ");
}

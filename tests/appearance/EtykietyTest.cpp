// The label fields: colours and limits, typing only what the insert's code
// page holds, "Edycja" and "Układ domyślny".

#include "OknoTestowe.h"

#include "appearance/PoleNaKlawiszu.h"
#include "appearance/WidokKlawiatury.h"

#include <QTest>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

class Etykiety : public OknoTestowe {
protected:
    PoleNaKlawiszu* Etykieta(const char* nazwa) { return Kontrolka<PoleNaKlawiszu>(nazwa); }
    QList<PoleNaKlawiszu*> Wszystkie() { return okno->findChildren<PoleNaKlawiszu*>(); }
};

TEST_F(Etykiety, ColoursLimitsAndFont) {
    for (auto* pole : Wszystkie()) {
        const bool cyfra = pole->objectName().startsWith(u'e');
        EXPECT_EQ(pole->Kolor(), cyfra ? QColor(184, 203, 209) : QColor(200, 199, 197))
            << pole->objectName().toStdString();
        EXPECT_EQ(pole->Limit(), cyfra ? 4 : 8);
        EXPECT_FALSE(pole->hasFrame());
        EXPECT_EQ(pole->font().family(), u"MS Sans Serif");
        EXPECT_EQ(pole->font().pointSize(), 9);
    }
}

TEST_F(Etykiety, TypingStopsAtTheLimit) {
    Kliknij("Button2");
    QTest::keyClicks(Etykieta("Edit4"), u"ABCDEFGHIJ"_s);
    EXPECT_EQ(Etykieta("Edit4")->text(), u"ABCDEFGH");
    QTest::keyClicks(Etykieta("e4"), u"123456"_s);
    EXPECT_EQ(Etykieta("e4")->text(), u"1234");
}

TEST_F(Etykiety, OnlyCharactersOfTheInsertsCodePageCanBeTyped) {
    Kliknij("Button2");
    PoleNaKlawiszu* pole = Etykieta("Edit6");
    // Polish letters, the euro sign and other Central European letters pass;
    // Cyrillic, Greek, CJK and emoji are refused, not replaced.
    Wpisz(pole, u"Ża€ЖΩ字ő"_s);
    Wpisz(pole, QString::fromUtf8("\xF0\x9F\x98\x80")); // an emoji
    EXPECT_EQ(pole->text(), u"Ża€ő");
    pole->clear();
    pole->insert(u"łódź😀"_s); // a pasted text with a character beyond the page
    EXPECT_EQ(pole->text(), QString());
}

TEST_F(Etykiety, ALongerTextFromTheProgramStaysWholeButCannotGrow) {
    PoleNaKlawiszu* pole = Etykieta("e3");
    pole->show();
    pole->setText(u"DLUGI TEKST"_s);
    EXPECT_EQ(pole->text(), u"DLUGI TEKST");
    EXPECT_EQ(pole->cursorPosition(), 0) << "its beginning is what shows";
    pole->setFocus();
    pole->end(false);
    QTest::keyClicks(pole, u"X"_s);
    EXPECT_EQ(pole->text(), u"DLUGI TEKST");
    QTest::keyClick(pole, Qt::Key_Backspace);
    EXPECT_EQ(pole->text(), u"DLUGI TEKS");
}

TEST_F(Etykiety, EdycjaShowsEveryFieldOnceAndForAll) {
    Etykieta("Edit7")->setText(u"abc"_s);
    for (int raz = 0; raz < 2; ++raz) {
        Kliknij("Button2");
        for (auto* pole : Wszystkie())
            EXPECT_TRUE(pole->isVisible()) << pole->objectName().toStdString();
        EXPECT_EQ(Etykieta("Edit7")->text(), u"abc");
    }
}

TEST_F(Etykiety, UkladDomyslnyAnsweredNoKeepsTextsAndChoosesF1) {
    Kliknij("Button2");
    Etykieta("e9a")->setText(u"xy"_s);
    Nacisnij(300, 20);
    ASSERT_EQ(NazwaKlawisza(), u"F4");
    dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
    Kliknij("Button1");
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const auto& pytanie = dialogi.komunikaty[0];
    EXPECT_EQ(pytanie.tekst, u"Czy przywrócić domyślny uklad klawiszy?");
    EXPECT_EQ(pytanie.tytul, u"Uwaga");
    EXPECT_EQ(pytanie.ikona, Ikona::Pytanie);
    EXPECT_EQ(pytanie.przyciski, Przyciski::TakNie);
    EXPECT_EQ(Etykieta("e9a")->text(), u"xy");
    EXPECT_TRUE(Etykieta("e9a")->isVisible());
    EXPECT_EQ(NazwaKlawisza(), u"F1");
}

TEST_F(Etykiety, UkladDomyslnyAnsweredYesEmptiesAndHidesEveryField) {
    Kliknij("Button2");
    for (auto* pole : Wszystkie())
        pole->setText(u"T"_s);
    Slot(3, 0).Rodzaj = 2;
    Slot(3, 0).Numer = 3;
    Nacisnij(300, 20);
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("Button1");
    for (auto* pole : Wszystkie()) {
        EXPECT_TRUE(pole->text().isEmpty()) << pole->objectName().toStdString();
        EXPECT_FALSE(pole->isVisible());
    }
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_EQ(Rodzaj(), 2) << "the definitions are not touched";
}

// Enter (main or keypad) and Escape in the real question answer "Nie": the
// user's texts are not emptied by a key pressed out of habit.
TEST_F(Etykiety, EnterOrEscapeInUkladDomyslnyKeepsEveryText) {
    dialogi.prawdziweKomunikaty = true;
    Kliknij("Button2");
    Etykieta("Edit1")->setText(u"KAWA"_s);
    for (auto klawisz : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        SCOPED_TRACE(klawisz);
        NacisnijWOknie(klawisz);
        Kliknij("Button1");
        EXPECT_EQ(Etykieta("Edit1")->text(), u"KAWA");
        EXPECT_TRUE(Etykieta("Edit1")->isVisible());
    }
    ASSERT_EQ(dialogi.komunikaty.size(), 3u);
    EXPECT_EQ(dialogi.komunikaty[0].domyslna, Odpowiedz::Nie);
}

// A label the insert would cut is marked beside its field (a red bar on the
// picture, right of the field) and says so in its hint, as it is typed; a
// hidden field, which the insert leaves out, is not marked.
TEST_F(Etykiety, LabelsTheInsertCutsAreMarkedBesideTheirFields) {
    auto* widok = Kontrolka<WidokKlawiatury>("iWkladka");
    Kliknij("Button2");
    const auto wpisz = [this](const char* nazwa, const QString& tekst) {
        Etykieta(nazwa)->setFocus();
        QTest::keyClicks(Etykieta(nazwa), tekst);
    };
    wpisz("Edit1", u"WWWWWWWW"_s);
    wpisz("Edit2", u"ABC"_s);
    wpisz("e7", u"WWWW"_s);
    const auto miejsca = [widok] {
        QList<QRect> m(widok->ZaDlugie().begin(), widok->ZaDlugie().end());
        return m;
    };
    EXPECT_EQ(miejsca(), (QList<QRect>{Etykieta("Edit1")->geometry(), Etykieta("e7")->geometry()}));
    EXPECT_TRUE(Etykieta("Edit1")->toolTip().startsWith(
        u"Ten tekst nie mieści się na klawiszu wkładki i zostanie obcięty: wydrukuje się „W"_s))
        << Etykieta("Edit1")->toolTip().toStdString();
    EXPECT_TRUE(Etykieta("Edit2")->toolTip().isEmpty());
    const QImage obraz = widok->grab().toImage();
    const QRect e1 = Etykieta("Edit1")->geometry();
    EXPECT_EQ(obraz.pixelColor(e1.right() + 5, e1.center().y()), QColor(Qt::red));
    const QRect e2 = Etykieta("Edit2")->geometry();
    EXPECT_NE(obraz.pixelColor(e2.right() + 5, e2.center().y()), QColor(Qt::red));

    Etykieta("Edit1")->setFocus();
    QTest::keyClick(Etykieta("Edit1"), Qt::Key_End);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(Etykieta("Edit1"), Qt::Key_Backspace);
    Etykieta("e7")->hide();
    EXPECT_TRUE(widok->ZaDlugie().empty());
    EXPECT_TRUE(Etykieta("Edit1")->toolTip().isEmpty());
}

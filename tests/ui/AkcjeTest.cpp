// The action wrapper and ObslugaWyjatku: a failing action is reported, and
// the user decides whether the program ends.

#include "OknoTestowe.h"

#include "files/PlikTekstowy.h"

#include <stdexcept>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

using AkcjeOkna = OknoTestowe;

namespace {
const QString Tekst(const QString& komunikat) {
    return u"Wystąpił wyjątek: \r"_s + komunikat +
           u"\rAplikacja może pracować niestabilnie.\rCzy zakończyć program?"_s;
}
} // namespace

TEST_F(AkcjeOkna, AnExceptionIsShownAndNoKeepsTheProgramAsItWas) {
    Slot(3, 4).Rodzaj = 2;
    Kliknij("Button2");
    Kontrolka<QLineEdit>("Edit1")->setText(u"TEKST"_s);
    okno->AkcjeOkna().Zglos(BladWejsciaWyjscia("klawisz.txt: No such file or directory"));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const auto& k = dialogi.komunikaty[0];
    EXPECT_EQ(k.tekst, Tekst(u"klawisz.txt: No such file or directory"_s));
    EXPECT_EQ(k.tytul, u"Błąd wykonania programu");
    EXPECT_EQ(k.ikona, Ikona::Brak);
    EXPECT_EQ(k.przyciski, Przyciski::TakNie);
    EXPECT_TRUE(okno->isVisible());
    EXPECT_EQ(Slot(3, 4).Rodzaj, 2);
    EXPECT_EQ(Kontrolka<QLineEdit>("Edit1")->text(), u"TEKST");
}

// A path is in the system's encoding, the reason in the program's own.
TEST_F(AkcjeOkna, AFailingFileIsNamedAsTheUserSeesIt) {
    okno->AkcjeOkna().Zglos(BladWejsciaWyjscia(std::filesystem::path(u8"/tmp/Wkładki/zażółć.txt"),
                                               "Brak uprawnie\361"));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, Tekst(u"/tmp/Wkładki/zażółć.txt: Brak uprawnień"_s));
}

TEST_F(AkcjeOkna, YesClosesTheMainWindow) {
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    okno->AkcjeOkna().Wykonaj([] { throw std::runtime_error("awaria"); });
    EXPECT_FALSE(okno->isVisible());
}

TEST_F(AkcjeOkna, MessagesInTheProgramsCodePageAndUnknownExceptions) {
    okno->AkcjeOkna().Wykonaj([] { throw std::runtime_error("B\263\271d"); }); // Błąd
    okno->AkcjeOkna().Wykonaj([] { throw 42; });
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, Tekst(u"Błąd"_s));
    EXPECT_EQ(dialogi.komunikaty[1].tekst, Tekst(u"Nieznany błąd"_s));
}

TEST_F(AkcjeOkna, AButtonWhoseActionThrowsReachesTheHandler) {
    QPushButton przycisk;
    okno->AkcjeOkna().Podlacz(&przycisk, &QPushButton::clicked, okno.get(),
                              [] { throw std::runtime_error("zapis"); });
    przycisk.click();
    EXPECT_EQ(dialogi.Teksty(), QStringList{Tekst(u"zapis"_s)});
}

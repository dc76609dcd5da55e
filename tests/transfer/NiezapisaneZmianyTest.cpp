// Definitions changed in the window and not yet written anywhere are not
// dropped without a question: closing the window, "Odczyt z kasy" and
// "Odczyt z pliku" ask first.

#include "OknoZKasa.h"

#include "format/PlikDefinicji.h"

#include <functional>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

const QString Niezapisane = u"Definicje klawiszy zmienione od ostatniego odczytu lub zapisu nie "
                            u"zostały zapisane ani do kasy, ani do pliku.\r"_s;

struct Dzialanie {
    const char* nazwa;
    QString pytanie;
};

const Dzialanie Dzialania[] = {
    {"zamkniecie", Niezapisane + u"Po zamknięciu programu zmiany zostaną utracone.\r"
                                 u"Czy mimo to zakończyć program?"_s},
    {"bOdczyt", Niezapisane + u"Odczyt zastąpi je definicjami z kasy.\r"
                              u"Czy mimo to odczytać definicje klawiszy z kasy?"_s},
    {"bOdczytPlik", Niezapisane + u"Odczyt zastąpi je definicjami z pliku.\r"
                                  u"Czy mimo to odczytać definicje klawiszy z pliku?"_s},
};

} // namespace

class PytanieOZmianach : public OknoZKasa {
protected:
    void SetUp() override {
        OknoZKasa::SetUp();
        ZapiszWKasie(Przyklad());
        EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "plan.txt", "01"));
    }
    // F1 of "BEZP." becomes a function key, confirmed with "Zatwierdź".
    void ZmienKlawisz() {
        KliknijPozycje("rgDefinicja", 2);
        Kliknij("Button5");
        ASSERT_EQ(Slot(Bezp, 0).Rodzaj, 2);
    }
    // Runs the action; true when it went ahead (the window closed, the
    // definitions were read).
    bool Wykonaj(const Dzialanie& d) {
        if (std::string(d.nazwa) == "zamkniecie")
            return okno->close();
        if (std::string(d.nazwa) == "bOdczytPlik" && !dialogi.prawdziweKomunikaty)
            dialogi.pliki.push_back(u"plan.txt"_s);
        Kliknij(d.nazwa);
        return Znaczenie(Stan().tablice) == Znaczenie(Przyklad());
    }
};

// Enter in the real question answers "Nie": nothing is lost.
TEST_F(PytanieOZmianach, EnterKeepsTheChangedDefinitions) {
    dialogi.prawdziweKomunikaty = true;
    ZmienKlawisz();
    const TabliceKlawiszy zmienione = Stan().tablice;
    for (const auto& d : Dzialania) {
        SCOPED_TRACE(d.nazwa);
        dialogi.komunikaty.clear();
        NacisnijWOknie(Qt::Key_Return);
        EXPECT_FALSE(Wykonaj(d));
        ASSERT_EQ(dialogi.komunikaty.size(), 1u) << dialogi.Teksty().join(u'|').toStdString();
        const auto& pytanie = dialogi.komunikaty[0];
        EXPECT_EQ(pytanie.tekst, d.pytanie);
        EXPECT_EQ(pytanie.tytul, u"Uwaga");
        EXPECT_EQ(pytanie.ikona, Ikona::Pytanie);
        EXPECT_EQ(pytanie.przyciski, Przyciski::TakNie);
        EXPECT_EQ(pytanie.domyslna, Odpowiedz::Nie);
        EXPECT_TRUE(okno->isVisible());
        EXPECT_EQ(Stan().tablice, zmienione);
        EXPECT_TRUE(dialogi.dialogiPlikow.empty()) << "no file dialog after No";
    }
}

class NiezapisaneZmiany : public PytanieOZmianach,
                          public ::testing::WithParamInterface<Dzialanie> {};

// "Tak" goes ahead; definitions as last read, written or loaded need no
// question at all.
TEST_P(NiezapisaneZmiany, OnlyChangedDefinitionsAsk) {
    const Dzialanie& d = GetParam();
    const std::function<void()> przygotowania[] = {
        [] {}, // as the window started: nothing read yet, nothing changed
        [this] {
            dialogi.pliki.push_back(u"plan.txt"_s);
            Kliknij("bOdczytPlik");
        },
        [this] { Kliknij("bOdczyt"); },
        [this] {
            ZmienKlawisz();
            dialogi.pliki.push_back(u"inny.txt"_s);
            Kliknij("bZapisPlik");
        },
        [this] {
            ZmienKlawisz();
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // to the keys the write changes
            Kliknij("bZapis");
        },
    };
    for (size_t i = 0; i < std::size(przygotowania); ++i) {
        SCOPED_TRACE("after preparation " + std::to_string(i));
        okno->show();
        przygotowania[i]();
        dialogi.komunikaty.clear();
        ZapiszWKasie(Przyklad());
        EXPECT_TRUE(Wykonaj(d));
        EXPECT_TRUE(dialogi.komunikaty.empty()) << dialogi.Teksty().join(u'|').toStdString();
    }
    SCOPED_TRACE("after a change, answered Tak");
    okno->show();
    dialogi.pliki.push_back(u"plan.txt"_s);
    Kliknij("bOdczytPlik");
    ZmienKlawisz();
    dialogi.komunikaty.clear();
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    EXPECT_TRUE(Wykonaj(d));
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, d.pytanie);
}

INSTANTIATE_TEST_SUITE_P(Dzialania, NiezapisaneZmiany, ::testing::ValuesIn(Dzialania),
                         [](const auto& przypadek) { return std::string(przypadek.param.nazwa); });

// "Kasowanie" against the emulated register.

#include "OknoZKasa.h"

#include "files/PlikTekstowy.h"
#include "widgets/GrupaRadiowa.h"
#include "widgets/KursorKlepsydry.h"

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const QString Pytanie = u"Czy skasować wszystkie definicje klawiszy w kasie?"_s;
// The question over the register holding Przyklad(): the keys it clears first.
const QString PytanieZLista =
    u"Kasowanie wyczyści klawisze (6):\r"
    "F1: 1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu → NIEZDEF.\r"
    "F2: 2 - FUNKCJA: 05   WPŁATA DO KASY → NIEZDEF.\r"
    "LEWY+PR.ALT+0: 3 - PŁATNOŚĆ: EURO 10,50 → NIEZDEF.\r"
    "LEWY+PR.ALT+9: 1 - TOWAR: towar 511: Obowiązek wpisania ceny → NIEZDEF.\r"
    "LEWY  ALT+3: 3 - PŁATNOŚĆ: PŁATNOŚĆ  2 0,00 → NIEZDEF.\r"
    "PRAWY ALT+9: 2 - FUNKCJA: 01 BRAK ZDEFIN. FUNKCJI → NIEZDEF.\r"_s +
    Pytanie;

// The request file for register `numer`: the 37 codes, right ALT digits
// before left ALT digits.
std::string PlikKasowania(const std::string& numer) {
    std::vector<std::string> linie{"#" + numer, "#", "#"};
    for (int kod :
         {237, 238, 239, 240, 241, 242, 243, 244, 245, 1,  3,  5,  7,  8,  9,  10, 11, 12, 13,
          86,  44,  88,  42,  151, 47,  157, 58,  227, 85, 87, 32, 82, 83, 84, 76, 77, 78})
        linie.push_back("$" + std::to_string(kod));
    return ZlaczLinie(linie);
}

// What a deletion leaves: the function keys of the ALT variants only.
TabliceKlawiszy PoKasowaniu(TabliceKlawiszy t) {
    t.WyczyscLiczone();
    return t;
}
} // namespace

class Kasowanie : public OknoZKasa {
protected:
    void SetUp() override {
        OknoZKasa::SetUp();
        ZapiszWKasie(Przyklad());
        Kliknij("bOdczyt");
        ASSERT_EQ(Znaczenie(Stan().tablice), Znaczenie(Przyklad()));
        PokazPole(LewyAlt, "Edit5");
    }
    void Kasuj(Odpowiedz odpowiedz) {
        dialogi.odpowiedzi.push_back(odpowiedz);
        Kliknij("bKasowanie");
    }
};

TEST_F(Kasowanie, AcceptedDeletionClearsTheCountedKeys) {
    ASSERT_EQ(Pole("Edit2")->text(), u"WPŁATA");
    Kasuj(Odpowiedz::Tak);
    ASSERT_EQ(dialogi.komunikaty.size(), 2u);
    EXPECT_EQ(dialogi.komunikaty[0].tekst, PytanieZLista);
    EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Uwaga");
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Pytanie);
    EXPECT_EQ(dialogi.komunikaty[0].przyciski, Przyciski::TakNie);
    EXPECT_EQ(dialogi.komunikaty[0].domyslna, Odpowiedz::Nie) << "Enter must not delete";
    EXPECT_EQ(dialogi.komunikaty[1].tekst, u"Skasowano definicje klawiszy"_s + Sprawdzono());

    EXPECT_EQ(Znaczenie(Stan().tablice), Znaczenie(PoKasowaniu(Przyklad())));
    EXPECT_EQ(Stan().tablice.KlawiszeLewyAlt[3].Rodzaj, Funkcja) << "ALT function keys stay";
    EXPECT_EQ(Stan().tablice.KlawiszePrawyAlt[0].Rodzaj, Platnosc);
    EXPECT_EQ(Stan().tablice.KlawiszeObaAlt[8].Rodzaj, Towar);
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(PoKasowaniu(Przyklad())));

    EXPECT_FALSE(Istnieje("tmp.plk"));
    EXPECT_EQ(Grupa("rgAlty")->ItemIndex(), LewyAlt) << "the variant is not changed";
    EXPECT_EQ(NazwaKlawisza(), u"LEWY  ALT+F1");
    EXPECT_EQ(Rodzaj(), 0) << "F1 of LEWY ALT holds nothing";
    EXPECT_EQ(Pole("Edit2")->text(), QString()) << "labels follow the definitions";
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

TEST_F(Kasowanie, AnswerNoSendsNothing) {
    const TabliceKlawiszy przed = Stan().tablice;
    Kasuj(Odpowiedz::Nie);
    EXPECT_EQ(dialogi.Teksty(), QStringList{PytanieZLista});
    EXPECT_EQ(Stan().tablice, przed);
    EXPECT_FALSE(Istnieje("tmp.plk"));
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad())) << "nothing was deleted";
    EXPECT_EQ(NazwaKlawisza(), u"LEWY  ALT+F5");
}

TEST_F(Kasowanie, RefusedDeletionChangesNothingAndLeavesTheRequest) {
    const TabliceKlawiszy przed = Stan().tablice;
    kasa.Zatrzymaj();
    Kasuj(Odpowiedz::Tak); // on without the list and the backup
    ASSERT_NE(Stan().KodBledu, 0);
    EXPECT_EQ(dialogi.Teksty(), (QStringList{PytanieBezOdczytu(BrakPortu()), BrakPortu()}));
    EXPECT_EQ(Stan().tablice, przed);
    EXPECT_EQ(NazwaKlawisza(), u"LEWY  ALT+F5");
    EXPECT_EQ(Plik("tmp.plk"), PlikKasowania("01")) << "40 lines, kept for the next try";
}

TEST_F(Kasowanie, MissingConfigurationSendsAnEmptyRegisterNumber) {
    std::filesystem::remove("KONFIG.TXT");
    Stan().NumerKasy = "01";
    // The configuration message, then on without the list and the backup.
    dialogi.odpowiedzi = {Odpowiedz::Ok, Odpowiedz::Tak};
    Kliknij("bKasowanie");
    // No backup without a register number; the library then refuses the
    // request with its own code.
    ASSERT_NE(Stan().KodBledu, 0);
    const QStringList teksty = dialogi.Teksty();
    ASSERT_EQ(teksty.size(), 3);
    EXPECT_EQ(teksty[0], u"Należy ustawić parametry komunikacji"_s);
    EXPECT_TRUE(teksty[1].startsWith(PytanieBezOdczytu({}).section(u'\r', 0, 0)));
    EXPECT_TRUE(teksty[1].endsWith(Pytanie));
    EXPECT_EQ(teksty[2], KomunikatKodu(Stan().KodBledu));
    EXPECT_EQ(Plik("tmp.plk"), PlikKasowania(""));
    EXPECT_EQ(Stan().NumerKasy, "01") << "the deletion's number is its own";
}

TEST_F(Kasowanie, RegisterNumberIsTheConfigurationsText) {
    kasa.Konfiguracja({"$3\tcom1:9600:mux0:1\t1"});
    kasa.Zatrzymaj();
    Kasuj(Odpowiedz::Tak); // on without the list and the backup
    EXPECT_EQ(Plik("tmp.plk"), PlikKasowania("3"));
}

TEST_F(Kasowanie, OldRequestThatCannotBeRemovedStopsIt) {
    const TabliceKlawiszy przed = Stan().tablice;
    Zablokuj("TMP.PLK");
    Kasuj(Odpowiedz::Tak);
    EXPECT_EQ(dialogi.Teksty(),
              (QStringList{PytanieZLista, u"Nie udało się skasować definicji klawiszy"_s}));
    EXPECT_EQ(Stan().tablice, przed);
    EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(Przyklad())) << "nothing was sent";
}

TEST_F(Kasowanie, OldRequestIsReplaced) {
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", "stary"));
    Kasuj(Odpowiedz::Tak);
    EXPECT_EQ(dialogi.komunikaty.back().tekst, u"Skasowano definicje klawiszy"_s + Sprawdzono());
    EXPECT_FALSE(Istnieje("tmp.plk"));
}

// A register that can't be read has no list of what the deletion clears:
// that is said first, in the question whether to go on; Enter ("Nie")
// sends nothing and nothing more is asked.
TEST_F(Kasowanie, AnUnreadableRegisterIsToldBeforeTheQuestion) {
    const TabliceKlawiszy przed = Stan().tablice;
    kasa.Zatrzymaj();
    Kasuj(Odpowiedz::Nie);
    EXPECT_EQ(dialogi.Teksty(), QStringList{PytanieBezOdczytu(BrakPortu())});
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Uwaga");
    EXPECT_EQ(dialogi.komunikaty[0].domyslna, Odpowiedz::Nie);
    EXPECT_FALSE(Istnieje("tmp.plk"));
    EXPECT_EQ(Stan().tablice, przed);
}

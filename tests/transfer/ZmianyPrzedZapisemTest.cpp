// Before "Zapis do kasy" sends anything, the user sees the keys it changes,
// read from the register for the backup, and answers with Enter or Escape.

#include "OknoZKasa.h"

#include "comm/PolaczenieZKasa.h"
#include "format/KodyKlawiszy.h"
#include "format/PlikDefinicji.h"
#include "transfer/TransferDefinicji.h"

#include <QTest>

#include <fstream>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {
const QString Zapisano = u"Definicje klawiszy zapisano do kasy i do pliku klawisz.txt"_s;
} // namespace

class ZmianyPrzedZapisem : public OknoZKasa {
protected:
    // Presses the keys in the boxes that come up, one key in each box.
    void NacisnijKolejno(std::vector<Qt::Key> klawisze) {
        if (klawisze.empty())
            return;
        NaOknie("QMessageBox", [this, klawisze](QWidget& w) mutable {
            QTest::keyClick(&w, klawisze.front());
            klawisze.erase(klawisze.begin());
            NacisnijKolejno(klawisze);
        });
    }
};

TEST_F(ZmianyPrzedZapisem, EnterWritesEscapeSendsNothing) {
    TabliceKlawiszy nowe = Przyklad();
    nowe.Rekord(KolejnoscKlawiszy()[0].miejsce) = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    nowe.KlawiszeLewyAlt[12] = {};
    const QString pytanie =
        u"Zapis zmieni definicje klawiszy (2):\r"
        "F1: 1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu → 2 - FUNKCJA: "
        "07   ZESTAW RAPORTÓW\r"
        "LEWY  ALT+3: 3 - PŁATNOŚĆ: PŁATNOŚĆ  2 0,00 → NIEZDEF.\r"
        "Czy zapisać definicje klawiszy do kasy?"_s;
    struct Przypadek {
        const char* nazwa;
        std::vector<Qt::Key> klawisze; // one in each box
        TabliceKlawiszy tablice;
        QStringList teksty; // "%1": the register's check lines
        bool zapisane;      // the register holds the tables afterwards
    };
    const std::vector<Przypadek> przypadki{
        {"Enter answers Tak",
         {Qt::Key_Return, Qt::Key_Return},
         nowe,
         {pytanie, Zapisano + u"%1"_s},
         true},
        {"Escape answers Nie", {Qt::Key_Escape}, nowe, {pytanie}, false},
        {"nothing differs",
         {Qt::Key_Return},
         Przyklad(),
         {u"Definicje w kasie są takie same jak w tablicach: nic nie wysłano do kasy."_s},
         true},
    };
    dialogi.prawdziweKomunikaty = true;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        ZapiszWKasie(Przyklad());
        Stan().tablice = p.tablice;
        dialogi.komunikaty.clear();
        NacisnijKolejno(p.klawisze);
        Kliknij("bZapis");
        QStringList teksty = p.teksty;
        if (teksty.size() > 1)
            teksty.back() = teksty.back().arg(Sprawdzono());
        EXPECT_EQ(dialogi.Teksty(), teksty);
        if (p.teksty.size() > 1 || p.klawisze[0] == Qt::Key_Escape) {
            EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Zapis do kasy");
            EXPECT_EQ(dialogi.komunikaty[0].domyslna, Odpowiedz::Tak);
        }
        EXPECT_EQ(Znaczenie(CzytajZKasy()), Znaczenie(p.zapisane ? p.tablice : Przyklad()));
        EXPECT_EQ(Plik("klawisz.txt"), TekstPlikuDefinicji(p.tablice, "01"))
            << "klawisz.txt is written as before";
    }
}

// Payment forms 1 to 3 are named as the register names them once its names
// are known (here from an earlier run's reply, at the start-up query).
TEST_F(ZmianyPrzedZapisem, PaymentsAreNamedAsTheRegisterNamesThem) {
    ZapiszWKasie(Przyklad());
    {
        std::ofstream plat("plat.txt", std::ios::binary);
        plat << "#01\r\n#\r\n#\r\n$1\tKARTA\r\n$2\tCZEK\r\n$3\tBON\r\n";
    }
    dialogi.odpowiedzi.push_back(Odpowiedz::Nie); // to the start-up question
    okno->AkcjeOkna().Wykonaj([this] { okno->Transfer().OdczytStartowy(); });
    TabliceKlawiszy nowe = Przyklad();
    nowe.KlawiszeLewyAlt[12] = {};
    Stan().tablice = nowe;
    dialogi.komunikaty.clear();
    Kliknij("bZapis"); // answered Nie: nothing is sent
    ASSERT_FALSE(dialogi.komunikaty.empty());
    EXPECT_TRUE(
        dialogi.komunikaty[0].tekst.contains(u"LEWY  ALT+3: 3 - PŁATNOŚĆ: CZEK 0,00 → NIEZDEF."_s))
        << dialogi.komunikaty[0].tekst.toStdString();
}

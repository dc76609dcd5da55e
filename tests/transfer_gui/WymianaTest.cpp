// What surrounds every library call of the transfer buttons, seen from
// inside the call: stand-in register functions record the window's state
// and the exchange files at the moment of the call.

#include "OknoZKasa.h"

#include "app/KursorKlepsydry.h"
#include "transfer/PlikDefinicji.h"
#include "transfer/SterownikTransferu.h"

#include <QEvent>

#include <functional>
#include <utility>
#include <vector>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

// What a stand-in function saw; the functions are plain C pointers, so
// they find it here.
struct Podglad {
    TForm3* okno = nullptr;
    int malowania = 0;      // paints of the window so far
    int malowaniaPrzy = -1; // ... when the call began
    bool klepsydra = false;
    std::string plik; // the file the call was given, as it was then
    int wywolania = 0;
};
Podglad podglad;

void Zobacz(const char* plik) {
    ++podglad.wywolania;
    podglad.malowaniaPrzy = podglad.malowania;
    podglad.klepsydra = podglad.okno->Klepsydra().Widoczny();
    podglad.plik = OknoZKasa::Plik(plik);
}

uint8_t ODef(const char* wejscie, const char* wyjscie) {
    Zobacz(wejscie);
    ZapiszPlikDefinicji(TabliceKlawiszy{}, wyjscie, "01");
    return 0;
}
uint8_t ZDef(const char* plik) {
    Zobacz(plik);
    return 0;
}
uint8_t KDef(const char* plik) {
    Zobacz(plik);
    return 0;
}

class LicznikMalowania : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++podglad.malowania;
        return false;
    }
};

} // namespace

class Wymiana : public OknoZKasa {
protected:
    void SetUp() override {
        OknoZKasa::SetUp();
        podglad = Podglad{};
        podglad.okno = okno.get();
        okno->installEventFilter(&licznik);
        funkcje.ODefKlaw = ODef;
        funkcje.ZDefKlaw = ZDef;
        funkcje.KDefKlaw = KDef;
    }
    void Uzyj() { okno->Transfer().UzyjFunkcji(funkcje); }

    LicznikMalowania licznik;
    FunkcjeKasdrv funkcje;
};

// The window is painted before the call (the handler is called directly so
// that no event processing of a click paints it), and the busy cursor is on
// during the call only.
TEST_F(Wymiana, EveryExchangeRepaintsAndShowsTheBusyCursor) {
    Uzyj();
    auto& t = okno->Transfer();
    const std::vector<std::pair<const char*, std::function<void()>>> przyciski{
        {"bOdczyt", [&] { t.bOdczytClick(Kontrolka("bOdczyt")); }},
        {"bZapis", [&] { t.bZapisClick(Kontrolka("bZapis")); }},
        {"bKasowanie", [&] { t.bKasowanieClick(); }},
    };
    for (const auto& [nazwa, klik] : przyciski) {
        SCOPED_TRACE(nazwa);
        podglad.wywolania = 0;
        if (std::string(nazwa) == "bKasowanie")
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        okno->update();
        const int przed = podglad.malowania;
        klik();
        ASSERT_EQ(podglad.wywolania, 1) << dialogi.Teksty().join(u'|').toStdString();
        EXPECT_GT(podglad.malowaniaPrzy, przed) << "repainted before the exchange";
        EXPECT_TRUE(podglad.klepsydra) << "busy cursor during the exchange";
        EXPECT_FALSE(okno->Klepsydra().Widoczny()) << "and not after";
    }
}

TEST_F(Wymiana, RequestFileHoldsTheRegisterNumberAsANumber) {
    for (const char* numer : {"01", "7", "12"}) {
        SCOPED_TRACE(numer);
        kasa.Konfiguracja({std::string("$") + numer + "\tcom1:9600:mux0:1\t1"});
        podglad.wywolania = 0;
        Uzyj();
        Kliknij("bOdczyt");
        EXPECT_EQ(Stan().NumerKasy, numer);
        EXPECT_EQ(podglad.plik, "#" + std::to_string(std::stoi(numer)) + "\r\n#\r\n#\r\n");
    }
}

// A library that lacks the function: the write says so in its own words
// and chooses F1 again; read and delete hand it to the error handler.
TEST_F(Wymiana, MissingFunctionDuringWrite) {
    funkcje.ZDefKlaw = nullptr;
    Uzyj();
    PokazPole(Bezp, "Edit2");
    Kliknij("bZapis");
    EXPECT_EQ(dialogi.Teksty(), QStringList{u"Wystąpił wyjątek w zapisie definicji klawiszy"_s});
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

TEST_F(Wymiana, MissingFunctionDuringReadOrDelete) {
    funkcje.ODefKlaw = nullptr;
    funkcje.KDefKlaw = nullptr;
    Uzyj();
    Stan().tablice.KlawiszeBezp[0] = {0, Funkcja, 3, 0, 0, 0, 0, 0};
    const TabliceKlawiszy przed = Stan().tablice;
    for (const char* przycisk : {"bOdczyt", "bKasowanie"}) {
        SCOPED_TRACE(przycisk);
        dialogi.komunikaty.clear();
        const bool kasowanie = std::string(przycisk) == "bKasowanie";
        if (kasowanie)
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak); // the exception box then gets No
        Kliknij(przycisk);
        ASSERT_EQ(dialogi.komunikaty.size(), kasowanie ? 2u : 1u);
        EXPECT_TRUE(dialogi.komunikaty.back().tekst.contains(u"__"_s))
            << dialogi.komunikaty.back().tekst.toStdString();
        EXPECT_EQ(Stan().tablice, przed);
        EXPECT_FALSE(okno->Klepsydra().Widoczny());
        EXPECT_FALSE(Istnieje("123.@#$"));
    }
}

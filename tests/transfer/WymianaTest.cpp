// What surrounds every library call of the transfer buttons, seen from
// inside the call: stand-in register functions record the window's state
// and the exchange files at the moment of the call.

#include "OknoZKasa.h"

#include "keys/StanKlawiszy.h"

#include "comm/PolaczenieZKasa.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "transfer/TransferDefinicji.h"
#include "widgets/KursorKlepsydry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputDevice>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QThread>

#include <atomic>
#include <chrono>
#include <thread>

#include <algorithm>
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
    std::atomic<int> malowania = 0; // paints of the window so far (GUI thread)
    int malowaniaPrzy = -1;         // ... when the call began
    bool klepsydra = false;
    std::string plik; // the file the call was given, as it was then
    std::atomic<int> wywolania = 0;
    // Run inside the call, wherever the call runs.
    std::function<void()> wTrakcie;

    void Wyczysc(TForm3* o) {
        okno = o;
        malowania = 0;
        malowaniaPrzy = -1;
        klepsydra = false;
        plik.clear();
        wywolania = 0;
        wTrakcie = nullptr;
    }
};
Podglad podglad;

void Zobacz(const char* plik) {
    ++podglad.wywolania;
    podglad.malowaniaPrzy = podglad.malowania;
    podglad.klepsydra = podglad.okno->Klepsydra().Widoczny();
    podglad.plik = OknoZKasa::Plik(plik);
    if (podglad.wTrakcie)
        podglad.wTrakcie();
}

uint8_t KASDRV_WYWOLANIE ODef(const char* wejscie, const char* wyjscie) {
    Zobacz(wejscie);
    EXPECT_TRUE(ZapiszPlikDefinicji(TabliceKlawiszy{}, wyjscie, "01"));
    return 0;
}
uint8_t KASDRV_WYWOLANIE ZDef(const char* plik) {
    Zobacz(plik);
    return 0;
}
uint8_t KASDRV_WYWOLANIE KDef(const char* plik) {
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
        podglad.Wyczysc(okno.get());
        okno->installEventFilter(&licznik);
        funkcje.ODefKlaw = ODef;
        funkcje.ZDefKlaw = ZDef;
        funkcje.KDefKlaw = KDef;
        ZmienKlawisz();
        Stan().zachowane = Stan().tablice; // and no read asks about it
    }
    // The library reads back no definitions: a write has one to change.
    static void ZmienKlawisz() { Stan().tablice.KlawiszeBezp[4] = {0, Funkcja, 5, 0, 0, 0, 0, 0}; }
    void Uzyj() { okno->Komunikacja().Biblioteki().UzyjKasdrv(funkcje); }

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
        if (std::string(nazwa) != "bOdczyt") {
            ZmienKlawisz(); // a read before left the tables as the library's
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        }
        okno->update();
        const int przed = podglad.malowania;
        klik();
        // A write and a deletion read the register's definitions first, for
        // the backup, and after, to check it.
        ASSERT_EQ(podglad.wywolania, std::string(nazwa) == "bOdczyt" ? 1 : 3)
            << dialogi.Teksty().join(u'|').toStdString();
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
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    EXPECT_EQ(dialogi.Teksty().mid(1),
              QStringList{u"Wystąpił wyjątek w zapisie definicji klawiszy"_s});
    EXPECT_EQ(NazwaKlawisza(), u"F1");
    EXPECT_FALSE(okno->Klepsydra().Widoczny());
}

TEST_F(Wymiana, MissingFunctionDuringReadOrDelete) {
    funkcje.ODefKlaw = nullptr;
    funkcje.KDefKlaw = nullptr;
    Uzyj();
    Stan().tablice.KlawiszeBezp[0] = {0, Funkcja, 3, 0, 0, 0, 0, 0};
    ZapamietajDefinicje(Stan()); // as read before: the read asks nothing
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

namespace {

using namespace std::chrono_literals;

// A click on `przycisk` as the window system would deliver it, posted.
void WyslijKlikniecie(QWidget* przycisk) {
    const QPointF srodek = QRectF(przycisk->rect()).center();
    const QPointF ekran = przycisk->mapToGlobal(srodek);
    for (auto typ : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            przycisk,
            new QMouseEvent(typ, srodek, ekran, Qt::LeftButton,
                            typ == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
}

// The library's progress as the stand-in exchange reports it.
std::atomic<uint32_t> zrobione = 0;
std::atomic<uint32_t> oczekiwane = 0;
std::atomic<bool> wToku = false;

int PostepZastepczy(uint32_t* z, uint32_t* o) {
    *z = zrobione;
    *o = oczekiwane;
    return wToku ? 1 : 0;
}

} // namespace

// "Zapis do kasy" and "Odczyt z kasy" clicked while an exchange runs are
// dropped, not carried out once it is over; so is a typed Enter.
TEST_F(Wymiana, InputGivenDuringAnExchangeIsNeverActedOn) {
    Uzyj();
    QWidget* zapis = Kontrolka("bZapis");
    QWidget* odczyt = Kontrolka("bOdczyt");
    // The devices the events below come from, made here in the GUI thread
    // so that the application owns them: made on first use in the
    // exchange's thread they would belong to nobody.
    ASSERT_NE(QInputDevice::primaryKeyboard(), nullptr);
    ASSERT_NE(QPointingDevice::primaryPointingDevice(), nullptr);
    for (const char* przycisk : {"bOdczyt", "bZapis", "bKasowanie"}) {
        SCOPED_TRACE(przycisk);
        podglad.wywolania = 0;
        podglad.wTrakcie = [&] {
            WyslijKlikniecie(zapis);
            WyslijKlikniecie(odczyt);
            QCoreApplication::postEvent(
                okno.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
            std::this_thread::sleep_for(300ms); // time for the window to act on them
        };
        if (std::string(przycisk) != "bOdczyt") {
            ZmienKlawisz(); // a read before left the tables as the library's
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        }
        Kliknij(przycisk);
        podglad.wTrakcie = nullptr;
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        // A write and a deletion read the register's definitions before and after.
        EXPECT_EQ(podglad.wywolania, std::string(przycisk) == "bOdczyt" ? 1 : 3);
    }
}

// While the register works the window still paints what it is asked to.
TEST_F(Wymiana, TheWindowIsPaintedDuringAnExchange) {
    Uzyj();
    bool pomalowane = false;
    podglad.wTrakcie = [&] {
        const int przed = podglad.malowania;
        QMetaObject::invokeMethod(
            podglad.okno, [] { podglad.okno->update(); }, Qt::QueuedConnection);
        for (int i = 0; i < 100 && podglad.malowania == przed; ++i)
            std::this_thread::sleep_for(20ms);
        pomalowane = podglad.malowania > przed;
    };
    dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
    Kliknij("bZapis");
    EXPECT_TRUE(pomalowane);
    EXPECT_EQ(podglad.wywolania, 3) << "the backup read, the write, the check";
}

// The progress box shows what the library reports and ends at the end;
// without the library's count it stays a busy bar.
TEST_F(Wymiana, TheProgressReachesItsEnd) {
    struct Przypadek {
        const char* przycisk;
        bool licznik;
        QString tekst;
    };
    const std::vector<Przypadek> przypadki{
        {"bZapis", true, u"Zapis definicji klawiszy do kasy..."_s},
        {"bOdczyt", true, u"Odczyt definicji klawiszy z kasy..."_s},
        {"bKasowanie", true, u"Kasowanie definicji klawiszy w kasie..."_s},
        {"bZapis", false, u"Zapis definicji klawiszy do kasy..."_s},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::string(p.przycisk) + (p.licznik ? " with" : " without") + " a count");
        funkcje.PostepWymiany = p.licznik ? PostepZastepczy : nullptr;
        Uzyj();
        dialogi.postepy.clear();
        podglad.wTrakcie = [] {
            oczekiwane = 1000;
            for (uint32_t z : {0u, 500u, 1000u}) {
                zrobione = z;
                wToku = true;
                std::this_thread::sleep_for(150ms);
            }
            wToku = false;
        };
        if (std::string(p.przycisk) != "bOdczyt") {
            ZmienKlawisz(); // a read before left the tables as the library's
            dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
        }
        Kliknij(p.przycisk);
        // A write and a deletion read the register's definitions before and
        // after under the same box: its bar is split in three.
        const bool odczyt = std::string(p.przycisk) == "bOdczyt";
        const uint64_t calosc = odczyt ? 1000 : 3000;
        ASSERT_EQ(dialogi.postepy.size(), 1u);
        const auto& postep = dialogi.postepy[0];
        EXPECT_EQ(postep.tekst, p.tekst);
        EXPECT_TRUE(postep.zamkniety);
        const auto jest = [&postep](uint64_t zrobioneBajty, uint64_t wszystkieBajty) {
            return std::find(postep.stany.begin(), postep.stany.end(),
                             std::pair{zrobioneBajty, wszystkieBajty}) != postep.stany.end();
        };
        if (!p.licznik) {
            // Without a count each call shows only where its share begins.
            for (const auto& stan : postep.stany)
                EXPECT_EQ(stan.first % 1000, 0u);
            EXPECT_EQ(postep.stany.empty(), odczyt);
            continue;
        }
        EXPECT_TRUE(jest(odczyt ? 500 : 1500, calosc)) << "halfway through the write";
        ASSERT_FALSE(postep.stany.empty());
        EXPECT_EQ(postep.stany.back(), (std::pair<uint64_t, uint64_t>{calosc, calosc}));
    }
}

// An empty KONFIG.TXT is a configuration still to be set, as a missing one:
// every register button says so and opens the communication dialog.
TEST_F(Wymiana, AnEmptyConfigurationIsOneToSet) {
    Uzyj();
    for (const char* tresc : {"", "\r\n", " \r\n\r\n"}) {
        for (const char* przycisk : {"bOdczyt", "bZapis", "bKasowanie"}) {
            SCOPED_TRACE(std::string(przycisk) + " \"" + tresc + "\"");
            EXPECT_TRUE(ZapiszAtomowo("KONFIG.TXT", tresc));
            Stan().NumerKasy = "01"; // as the program holds it after a save
            dialogi.komunikaty.clear();
            dialogi.pokazaneOkna = 0;
            const bool kasowanie = std::string(przycisk) == "bKasowanie";
            if (kasowanie)
                dialogi.odpowiedzi.push_back(Odpowiedz::Tak);
            Kliknij(przycisk);
            const QStringList teksty = dialogi.Teksty();
            ASSERT_GT(teksty.size(), 0);
            EXPECT_TRUE(teksty[0].startsWith(u"Należy ustawi"_s))
                << teksty.join(u'|').toStdString();
            EXPECT_EQ(dialogi.pokazaneOkna, 1);
            for (const auto& k : dialogi.komunikaty)
                EXPECT_NE(k.tytul, u"Błąd wykonania programu"_s);
        }
    }
}

// The animated busy cursor goes on turning while the register works.
TEST_F(Wymiana, TheBusyCursorAnimatesDuringAnExchange) {
    ASSERT_TRUE(okno->Klepsydra().Wczytaj(QStringLiteral(ORBAKLAW_KLEPSYDRA)));
    ASSERT_TRUE(okno->Klepsydra().Animowany());
    Uzyj();
    std::vector<size_t> kroki;
    podglad.wTrakcie = [&] {
        if (QThread::currentThread() == podglad.okno->thread())
            return; // the GUI thread is busy with the call itself
        for (int i = 0; i < 10; ++i) {
            // Read where the cursor is kept: on the GUI thread.
            QMetaObject::invokeMethod(
                podglad.okno, [&] { kroki.push_back(podglad.okno->Klepsydra().BiezacyKrok()); },
                Qt::BlockingQueuedConnection);
            std::this_thread::sleep_for(100ms);
        }
    };
    Kliknij("bOdczyt");
    ASSERT_FALSE(kroki.empty()) << "the GUI thread answered during the exchange";
    std::sort(kroki.begin(), kroki.end());
    EXPECT_GT(std::unique(kroki.begin(), kroki.end()) - kroki.begin(), 1)
        << "more than one step of the animation was shown";
}

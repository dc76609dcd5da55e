// "Połącz": the link test against orba-emu through the real serial library,
// and the replies a real register can't be made to give through a scripted
// library.

#include "KasaTestowa.h"

#include "comm/PolaczenieZKasa.h"
#include "comm/PowodNiedostepnosciPortu.h"
#include "comm/TOknoKomunik.h"
#include "comm/WinSer.h"
#include "format/DefinicjaKlawisza.h"
#include "format/KomunikatyBledow.h"
#include "keys/KomunikatyPanelu.h"
#include "ui/Tekst1250.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSpinBox>
#include <QThread>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace orbaklaw;
using namespace Qt::StringLiterals;

namespace {

const QString InnyModel = u"Podłączone urządzenie nie jest kasą VARKO ORBA"_s;
const QString Poprawne = u"Połączenie poprawne - kasa :VARKO ORBA"_s;
const QString BladPortu = u"Niemożliwe zainicjowanie portu szeregowego"_s;

QString Komunikat(uint8_t kod) {
    return Z1250(KomunikatBledu(kod));
}

} // namespace

using TestLacza = KasaTestowa;

struct Model {
    const char* bajt;
    int typ;
};

class ModelKasy : public KasaTestowa, public ::testing::WithParamInterface<Model> {};

TEST_P(ModelKasy, OrbaIsAcceptedAndSavedAnotherModelRefused) {
    Uruchom({"--model", GetParam().bajt, "--number", "42"});
    bool zamkniete = false;
    OtworzOkno([&](TOknoKomunik& o) {
        Polacz(o);
        zamkniete = !o.isVisible();
        if (!zamkniete)
            Kliknij(o.KlawEsc);
    });
    EXPECT_EQ(Stan().TypKasy, GetParam().typ);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    const auto& k = dialogi.komunikaty[0];
    if (GetParam().typ == 6) {
        EXPECT_TRUE(zamkniete);
        EXPECT_EQ(k.tekst, Poprawne);
        EXPECT_EQ(k.ikona, Ikona::Brak);
        EXPECT_EQ(Stan().NrKasyZTestu, 42);
        EXPECT_EQ(Plik("KONFIG.TXT"), "$42\tcom1:9600:mux0:1\t2\r\n");
        EXPECT_EQ(Plik("in"), "#42\r\n#\r\n#\r\n");
    } else {
        EXPECT_FALSE(zamkniete) << "the dialog stays open";
        EXPECT_EQ(k.tekst, InnyModel);
        EXPECT_EQ(k.tytul, u"Error");
        EXPECT_EQ(k.ikona, Ikona::Blad);
        EXPECT_TRUE(Okno().KlawZapis->isEnabled()) << "stays as it was";
        EXPECT_FALSE(Istnieje("KONFIG.TXT"));
        EXPECT_FALSE(Istnieje("in"));
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, ModelKasy,
                         ::testing::Values(Model{"0x6B", 6}, Model{"0x84", 6}, Model{"0x85", 6},
                                           Model{"0x68", 1}, Model{"0x67", 2}, Model{"0x65", 3},
                                           Model{"0x64", 4}, Model{"0x66", 5}, Model{"0x69", 0},
                                           Model{"0x6A", 0}));

// A register that never answers: the code 21 message within the timeout,
// "Zapisz" disabled until a test succeeds again.
TEST_F(TestLacza, SilentRegisterGivesTheReceiveTimeoutAndDisablesSaving) {
    Uruchom({"--fault", "silent"});
    Stan().WersjaKasy = 2;
    OtworzOkno([&](TOknoKomunik& o) {
        const auto start = std::chrono::steady_clock::now();
        Polacz(o, 1);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));
        EXPECT_TRUE(o.isVisible());
        EXPECT_FALSE(o.KlawZapis->isEnabled());
        EXPECT_EQ(Stan().KodBledu, 21);
        EXPECT_EQ(Stan().WersjaKasy, 2) << "a failed test keeps the version";
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "cursor restored";
        ASSERT_EQ(dialogi.komunikaty.size(), 1u);
        EXPECT_EQ(dialogi.komunikaty[0].tekst, Komunikat(21));
        EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Error");
        EXPECT_FALSE(Istnieje("KONFIG.TXT"));

        Uruchom();
        Polacz(o, 1);
        EXPECT_FALSE(o.isVisible()) << "saved and closed";
    });
    EXPECT_TRUE(Okno().KlawZapis->isEnabled());
    EXPECT_EQ(Plik("KONFIG.TXT"), "$1\tcom1:9600:mux0:1\t1\r\n");
}

// The editor warns about EURO and function 18 only for version 1.
TEST_F(TestLacza, VersionReportedByTheRegisterDrivesTheEditorWarnings) {
    for (const char* wersja : {"1", "2"}) {
        SCOPED_TRACE(wersja);
        Uruchom({"--version", wersja});
        dialogi.komunikaty.clear();
        OtworzOkno([&](TOknoKomunik& o) { Polacz(o); });
        EXPECT_EQ(Stan().WersjaKasy, std::atoi(wersja));
        dialogi.komunikaty.clear();
        KliknijPozycje("rgDefinicja", Platnosc);
        Wybor("cbPlatnosc")->setCurrentIndex(4);
        KliknijPozycje("rgDefinicja", Funkcja);
        Wybor("cbFunkcja")->setCurrentIndex(17);
        const QString ostrzezenie = Z1250(KomunikatWersjiKasy());
        EXPECT_EQ(dialogi.Teksty(), std::string(wersja) == "1"
                                        ? QStringList({ostrzezenie, ostrzezenie})
                                        : QStringList());
        Wybor("cbPlatnosc")->setCurrentIndex(0);
        Wybor("cbFunkcja")->setCurrentIndex(0);
    }
}

TEST_F(TestLacza, PortThatCannotBeOpened) {
    setenv("ORBAKLAW_COM9", (kasa->Folder() / "brak").c_str(), 1);
    Stan().KodBledu = 5;
    OtworzOkno([&](TOknoKomunik& o) {
        o.seCOM->setValue(9);
        Polacz(o, 1);
        EXPECT_FALSE(o.KlawZapis->isEnabled());
    });
    unsetenv("ORBAKLAW_COM9");
    // The device and the reason follow.
    const QString brak = QString::fromStdString((kasa->Folder() / "brak").string());
    EXPECT_EQ(dialogi.Teksty(), QStringList{BladPortu + u"\rNie ma urządzenia "_s + brak + u"."_s});
    EXPECT_EQ(dialogi.komunikaty[0].ikona, Ikona::Brak);
    EXPECT_EQ(Stan().KodBledu, 0);
}

// A port assignment file that can't be used is named with its line under
// the message; the port's default device is not tried in its place.
TEST_F(TestLacza, APortAssignmentThatCannotBeUsedIsNamed) {
    const std::filesystem::path xdg = kasa->Folder() / "xdg";
    std::filesystem::create_directories(xdg / "orbaklaw");
    { std::ofstream(xdg / "orbaklaw" / "porty.txt") << "COM9=\r\n"; }
    const char* stary = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> poprzedni =
        stary ? std::optional<std::string>(stary) : std::nullopt;
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    unsetenv("ORBAKLAW_COM9");
    OtworzOkno([&](TOknoKomunik& o) {
        o.seCOM->setValue(9);
        Polacz(o, 1);
    });
    poprzedni ? (void)setenv("XDG_CONFIG_HOME", poprzedni->c_str(), 1)
              : (void)unsetenv("XDG_CONFIG_HOME");
    const QString plik = QString::fromStdString((xdg / "orbaklaw" / "porty.txt").string());
    EXPECT_EQ(dialogi.Teksty(),
              QStringList{BladPortu + u"\rBłędny plik przypisania portów COM: "_s + plik +
                          u": linia 1: brak urządzenia po znaku ="_s});
}

// Why a device can't be opened, named with it; a permission says how to get it.
TEST(PowodNiedostepnosciPortu, NamesTheDeviceAndTheReason) {
    const std::pair<int, QString> przypadki[] = {
        {EACCES, u"Brak uprawnień do urządzenia /dev/ttyUSB0: użytkownik musi należeć do grupy "
                 u"dialout (sudo usermod -aG dialout $USER, potem ponowne zalogowanie)."_s},
        {EPERM, u"Brak uprawnień do urządzenia /dev/ttyUSB0: użytkownik musi należeć do grupy "
                u"dialout (sudo usermod -aG dialout $USER, potem ponowne zalogowanie)."_s},
        {ENOENT, u"Nie ma urządzenia /dev/ttyUSB0."_s},
        {EBUSY, u"Urządzenie /dev/ttyUSB0 jest zajęte przez inny program."_s},
        {ENOTTY, u"Urządzenie /dev/ttyUSB0 nie jest portem szeregowym."_s},
        {0, QString()},
    };
    for (const auto& [blad, tekst] : przypadki)
        EXPECT_EQ(Z1250(PowodNiedostepnosciPortu("/dev/ttyUSB0", blad)), tekst) << blad;
    EXPECT_TRUE(Z1250(PowodNiedostepnosciPortu("/dev/ttyUSB0", EIO))
                    .startsWith(u"Nie można otworzyć urządzenia /dev/ttyUSB0: "_s));
}

TEST_F(TestLacza, MultiplexerChannelReachesItsRegister) {
    Uruchom({"--mux"});
    OtworzOkno([&](TOknoKomunik& o) {
        KliknijPozycje("GrupaMux", 1);
        KliknijPozycje("GrupaKanal", 2);
        Polacz(o);
    });
    EXPECT_EQ(dialogi.Teksty(), QStringList{Poprawne});
    EXPECT_EQ(Plik("KONFIG.TXT"), "$3\tcom1:9600:mux1:3\t2\r\n");
}

TEST_F(TestLacza, ChannelThatCannotBeSelected) {
    Uruchom();
    OtworzOkno([&](TOknoKomunik& o) {
        KliknijPozycje("GrupaMux", 1);
        Polacz(o, 1);
        EXPECT_FALSE(o.KlawZapis->isEnabled());
        Kliknij(o.KlawEsc);
    });
    EXPECT_EQ(dialogi.Teksty(), QStringList{BladPortu});
    EXPECT_FALSE(Istnieje("KONFIG.TXT"));
}

namespace {

// A serial library that answers from a script.
struct PortNaZadanie {
    std::array<uint8_t, 4> identyfikacja{0x6B, 2, 0, 0};
    std::array<uint8_t, 3> numer{'0', '1', 0};
    int kanaly = 0;
    bool otwarty = false;
    bool klepsydraPrzyWymianie = true;
    int wywolania = 0;
    bool naWatkuOkna = false; // a call made on the GUI thread
};
PortNaZadanie port;

void Wywolanie() {
    ++port.wywolania;
    port.naWatkuOkna |= QThread::currentThread() == QCoreApplication::instance()->thread();
}

uint8_t KOMPORT_WYWOLANIE Inicjuj(uint8_t, uint16_t, uint16_t, uint16_t) {
    Wywolanie();
    port.otwarty = true;
    return 0;
}
uint8_t KOMPORT_WYWOLANIE Zamknij() {
    Wywolanie();
    port.otwarty = false;
    return 0;
}
uint8_t KOMPORT_WYWOLANIE Kanal(uint8_t) {
    Wywolanie();
    ++port.kanaly;
    return 1;
}
uint8_t KOMPORT_WYWOLANIE Sekwencja(uint8_t rozkaz, uint8_t, uint8_t, uint8_t* odpowiedz,
                                    uint8_t*) {
    Wywolanie();
    port.klepsydraPrzyWymianie &= QGuiApplication::overrideCursor() != nullptr;
    std::memset(odpowiedz, 0, 256);
    if (rozkaz == RozkazIdentyfikacji)
        std::memcpy(odpowiedz, port.identyfikacja.data(), port.identyfikacja.size());
    else
        std::memcpy(odpowiedz, port.numer.data(), port.numer.size());
    return 0;
}

} // namespace

class PortSkryptowy : public KasaTestowa {
protected:
    void SetUp() override {
        KasaTestowa::SetUp();
        port = {};
        FunkcjeKomPort f;
        f.InitializePort = Inicjuj;
        f.UnInitializePort = Zamknij;
        f.UstawKanal = Kanal;
        f.RSSequence = Sekwencja;
        okno->Komunikacja().Biblioteki().UstawKomPort(std::make_unique<WinSer>(f));
    }
};

struct NumerZKasy {
    std::array<uint8_t, 3> odpowiedz;
    int nrZTestu;
    std::string konfiguracja; // empty: refused as a malformed reply
};

class NumerKasyZTestu : public PortSkryptowy, public ::testing::WithParamInterface<NumerZKasy> {};

// Two decimal digits are the number; anything else is a malformed reply
// (code 23) with the port closed, not an error for the program's handler.
TEST_P(NumerKasyZTestu, TwoDigitsOrAMalformedReply) {
    const NumerZKasy& n = GetParam();
    port.numer = n.odpowiedz;
    OtworzOkno([&](TOknoKomunik& o) {
        Polacz(o);
        if (o.isVisible())
            Kliknij(o.KlawEsc);
    });
    EXPECT_FALSE(port.otwarty);
    EXPECT_EQ(port.kanaly, 0) << "no multiplexer, no channel selection";
    EXPECT_TRUE(port.klepsydraPrzyWymianie);
    EXPECT_EQ(Stan().NrKasyZTestu, n.nrZTestu);
    if (n.konfiguracja.empty()) {
        EXPECT_EQ(dialogi.Teksty(), QStringList{Komunikat(23)});
        EXPECT_EQ(Stan().KodBledu, 23);
        EXPECT_FALSE(Okno().KlawZapis->isEnabled());
        EXPECT_FALSE(Istnieje("KONFIG.TXT"));
    } else {
        EXPECT_EQ(dialogi.Teksty(), QStringList{Poprawne});
        EXPECT_EQ(Plik("KONFIG.TXT"), n.konfiguracja + "\tcom1:9600:mux0:1\t2\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, NumerKasyZTestu,
    ::testing::Values(NumerZKasy{{'0', '7', 0}, 7, "$7"}, NumerZKasy{{'0', '0', 0}, 0, "$01"},
                      NumerZKasy{{'9', '9', 0}, 99, "$99"}, NumerZKasy{{'0', 'A', 0}, 0, ""},
                      NumerZKasy{{' ', '5', 0}, 0, ""}, NumerZKasy{{0xFF, '1', 0}, 0, ""},
                      NumerZKasy{{'1', 0, 0}, 0, ""}));

TEST_F(PortSkryptowy, MissingLibraryFunctionReachesTheHandlerWithTheCursorRestored) {
    FunkcjeKomPort f; // nothing in it
    okno->Komunikacja().Biblioteki().UstawKomPort(std::make_unique<WinSer>(f));
    OtworzOkno([&](TOknoKomunik& o) {
        Polacz(o);
        if (o.isVisible())
            Kliknij(o.KlawEsc);
    });
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(dialogi.komunikaty.size(), 1u);
    EXPECT_EQ(dialogi.komunikaty[0].tytul, u"Błąd wykonania programu");
    EXPECT_TRUE(dialogi.komunikaty[0].tekst.contains(u"UnInitializePort"));
}

// Every call of the link test runs on a worker thread behind the progress
// box, one box per call, as the register exchanges do.
TEST_F(PortSkryptowy, EveryCallOfTheLinkTestRunsBehindTheProgressBox) {
    OtworzOkno([&](TOknoKomunik& o) {
        KliknijPozycje("GrupaMux", 1);
        Polacz(o);
    });
    EXPECT_EQ(dialogi.Teksty(), QStringList{Poprawne});
    EXPECT_EQ(port.wywolania, 6) << "close, open, channel, two exchanges, close";
    EXPECT_FALSE(port.naWatkuOkna);
    ASSERT_EQ(dialogi.postepy.size(), 6u);
    for (const auto& p : dialogi.postepy) {
        EXPECT_EQ(p.tekst, u"Test połączenia z kasą..."_s);
        EXPECT_TRUE(p.stany.empty()) << "the serial library tells no count";
        EXPECT_TRUE(p.zamkniety);
    }
}

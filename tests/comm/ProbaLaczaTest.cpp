// The link test's steps against a serial library that answers from a
// script: which calls it makes in which order, where it stops, and what it
// reports (the program and orbaklaw-cli both show this result).
#include "comm/ProbaLacza.h"

#include "comm/WinSer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <tuple>

namespace orbaklaw {
namespace {

struct Skrypt {
    uint8_t otwarcie = 0; // InitializePort's result
    uint8_t kanal = 1;    // UstawKanal's: non-zero is taken
    uint8_t identyfikacja = 0;
    uint8_t numer = 0;
    std::array<uint8_t, 4> odpIdentyfikacji{0x6B, 2, 0, 0};
    std::array<uint8_t, 3> odpNumeru{'0', '7', 0};
    std::string wywolania; // "U I(3,19200,7,7) K(4) R(FE) R(C0) U"
};
Skrypt skrypt;

// The script with one answer changed.
template <typename T> Skrypt Gdy(T Skrypt::*pole, T wartosc) {
    Skrypt s;
    s.*pole = wartosc;
    return s;
}

void Zapisz(const std::string& wywolanie) {
    skrypt.wywolania += (skrypt.wywolania.empty() ? "" : " ") + wywolanie;
}

uint8_t KOMPORT_WYWOLANIE Inicjuj(uint8_t port, uint16_t szybkosc, uint16_t t1, uint16_t t2) {
    Zapisz("I(" + std::to_string(port) + "," + std::to_string(szybkosc) + "," + std::to_string(t1) +
           "," + std::to_string(t2) + ")");
    return skrypt.otwarcie;
}
uint8_t KOMPORT_WYWOLANIE Zamknij() {
    Zapisz("U");
    return 0;
}
uint8_t KOMPORT_WYWOLANIE Kanal(uint8_t k) {
    Zapisz("K(" + std::to_string(k) + ")");
    return skrypt.kanal;
}
uint8_t KOMPORT_WYWOLANIE Sekwencja(uint8_t rozkaz, uint8_t ile, uint8_t, uint8_t* odpowiedz,
                                    uint8_t*) {
    const bool identyfikacja = rozkaz == RozkazIdentyfikacji;
    Zapisz(std::string(identyfikacja ? "R(FE," : "R(C0,") + std::to_string(ile) + ")");
    std::memset(odpowiedz, 0, 256);
    if (identyfikacja)
        std::memcpy(odpowiedz, skrypt.odpIdentyfikacji.data(), skrypt.odpIdentyfikacji.size());
    else
        std::memcpy(odpowiedz, skrypt.odpNumeru.data(), skrypt.odpNumeru.size());
    return identyfikacja ? skrypt.identyfikacja : skrypt.numer;
}

FunkcjeKomPort Pelne() {
    FunkcjeKomPort f;
    f.InitializePort = Inicjuj;
    f.UnInitializePort = Zamknij;
    f.UstawKanal = Kanal;
    f.RSSequence = Sekwencja;
    return f;
}

constexpr UstawieniaKomunikacji BezMux{1, 9600, 0, 3, 5};
constexpr UstawieniaKomunikacji ZMux{3, 19200, 1, 4, 7};

constexpr const char* Wszystkie = "U I(1,9600,5,5) R(FE,4) R(C0,3) U";

// Where the test stops; the number reply is '0', '7'.
struct Etap {
    const char* opis;
    Skrypt skrypt;
    UstawieniaKomunikacji u;
    const char* wywolania;
    BladProbyLacza blad;
    uint8_t kod;
};

const Etap Etapy[] = {
    {"all steps", Skrypt{}, BezMux, Wszystkie, BladProbyLacza::Brak, 0},
    {"through the multiplexer", Skrypt{}, ZMux, "U I(3,19200,7,7) K(4) R(FE,4) R(C0,3) U",
     BladProbyLacza::Brak, 0},
    {"port refused, not closed again", Gdy(&Skrypt::otwarcie, uint8_t{2}), ZMux, "U I(3,19200,7,7)",
     BladProbyLacza::Port, 2},
    {"channel refused", Gdy(&Skrypt::kanal, uint8_t{0}), ZMux, "U I(3,19200,7,7) K(4) U",
     BladProbyLacza::Kanal, 0},
    {"no identification", Gdy(&Skrypt::identyfikacja, uint8_t{21}), BezMux,
     "U I(1,9600,5,5) R(FE,4) U", BladProbyLacza::Identyfikacja, 21},
    {"no number", Gdy(&Skrypt::numer, uint8_t{24}), BezMux, Wszystkie, BladProbyLacza::Numer, 24},
};

TEST(ProbaLacza, StepsAndWhereTheTestStops) {
    for (const Etap& e : Etapy) {
        SCOPED_TRACE(e.opis);
        skrypt = e.skrypt;
        skrypt.odpIdentyfikacji = {0x85, 3, 0, 0};
        WinSer port(Pelne());
        const WynikProbyLacza w = ProbujLacze(port, e.u);
        EXPECT_EQ(skrypt.wywolania, e.wywolania);
        EXPECT_EQ(w.blad, e.blad);
        EXPECT_EQ(w.kod, e.kod);
        EXPECT_TRUE(w.zainicjowany);
        const bool zidentyfikowana =
            e.skrypt.otwarcie == 0 && e.skrypt.kanal != 0 && e.skrypt.identyfikacja == 0;
        EXPECT_EQ(w.zidentyfikowana, zidentyfikowana);
        EXPECT_EQ(w.model, zidentyfikowana ? 0x85 : 0);
        EXPECT_EQ(w.wersja, zidentyfikowana ? 3 : 0);
        const bool numer = e.blad == BladProbyLacza::Brak;
        EXPECT_EQ(w.numer, numer ? "07" : "");
        EXPECT_EQ(w.nrKasy, numer ? 7 : 0);
    }
}

// Two decimal digits are the number; anything else is a malformed reply,
// after which the identification still stands.
TEST(ProbaLacza, TheNumberIsTwoDecimalDigitsOrAMalformedReply) {
    const std::tuple<std::array<uint8_t, 3>, const char*, int> przypadki[] = {
        {{'0', '7', 0}, "07", 7}, {{'0', '0', 0}, "00", 0}, {{'9', '9', 0}, "99", 99},
        {{'0', 'A', 0}, "", 0},   {{' ', '5', 0}, "", 0},   {{'1', 0, 0}, "", 0},
        {{0xFF, '1', 0}, "", 0},  {{'/', '0', 0}, "", 0},   {{'0', ':', 0}, "", 0},
    };
    for (const auto& [odpowiedz, numer, nrKasy] : przypadki) {
        SCOPED_TRACE(testing::PrintToString(odpowiedz));
        skrypt = Gdy(&Skrypt::odpNumeru, odpowiedz);
        WinSer port(Pelne());
        const WynikProbyLacza w = ProbujLacze(port, BezMux);
        EXPECT_EQ(skrypt.wywolania, Wszystkie) << "the port is closed either way";
        EXPECT_TRUE(w.zidentyfikowana);
        EXPECT_EQ(w.numer, numer);
        EXPECT_EQ(w.nrKasy, nrKasy);
        const bool zly = std::string(numer).empty();
        EXPECT_EQ(w.blad, zly ? BladProbyLacza::Numer : BladProbyLacza::Brak);
        EXPECT_EQ(w.kod, zly ? 23 : 0);
    }
}

// A result used again tells nothing of the earlier test.
TEST(ProbaLacza, EveryTestStartsFromNothing) {
    WinSer port(Pelne());
    WynikProbyLacza w;
    skrypt = {};
    w = ProbujLacze(port, BezMux);
    ASSERT_EQ(w.numer, "07");
    skrypt = Gdy(&Skrypt::identyfikacja, uint8_t{21});
    w = ProbujLacze(port, BezMux);
    EXPECT_EQ(w.blad, BladProbyLacza::Identyfikacja);
    EXPECT_FALSE(w.zidentyfikowana);
    EXPECT_EQ(w.model, 0);
    EXPECT_EQ(w.numer, "");
    EXPECT_EQ(w.nrKasy, 0);
}

// A library without a function ends the test when it gets there; the result
// says how far it came and why, and the port stays as it was then.
TEST(ProbaLacza, AMissingFunctionLeavesWhatWasFoundSoFar) {
    const std::tuple<const char*, void (*)(FunkcjeKomPort&), const char*, bool> przypadki[] = {
        {"RSSequence", [](FunkcjeKomPort& f) { f.RSSequence = nullptr; }, "U I(1,9600,5,5)", true},
        {"UstawKanal", [](FunkcjeKomPort& f) { f.UstawKanal = nullptr; }, "U I(3,19200,7,7)", true},
        {"InitializePort", [](FunkcjeKomPort& f) { f.InitializePort = nullptr; }, "U", false},
        {"UnInitializePort", [](FunkcjeKomPort& f) { f.UnInitializePort = nullptr; }, "", false},
    };
    for (const auto& [nazwa, usun, wywolania, zainicjowany] : przypadki) {
        SCOPED_TRACE(nazwa);
        skrypt = {};
        FunkcjeKomPort f = Pelne();
        usun(f);
        WinSer port(f);
        const WynikProbyLacza w =
            ProbujLacze(port, std::string(nazwa) == "UstawKanal" ? ZMux : BezMux);
        EXPECT_EQ(skrypt.wywolania, wywolania);
        EXPECT_EQ(w.zainicjowany, zainicjowany);
        EXPECT_EQ(w.blad, BladProbyLacza::Biblioteka);
        EXPECT_NE(w.powod.find(nazwa), std::string::npos) << w.powod;
        EXPECT_FALSE(w.zidentyfikowana);
        EXPECT_EQ(w.numer, "");
    }
}

} // namespace
} // namespace orbaklaw

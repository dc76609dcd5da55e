// The serial-port library's link-test exchanges against the emulator.
#include "SrodowiskoKasy.h"

#include "orbaklaw/komport.h"

#include <gtest/gtest.h>

namespace orbaklaw::testy {
namespace {

struct Wymiana {
    uint8_t odpowiedz[256];
    uint8_t bufor[256];
    uint8_t Wyslij(uint8_t rozkaz, uint8_t ile) {
        std::fill(std::begin(odpowiedz), std::end(odpowiedz), 0xAA);
        return RSSequence(rozkaz, ile, 0, odpowiedz, bufor);
    }
};

TEST(Komport, IdentifiesAnOrbaAndItsNumber) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--number", "7"});
    UnInitializePort(); // harmless with no port open
    ASSERT_EQ(InitializePort(1, 19200, 1, 1), 0);
    Wymiana w;
    ASSERT_EQ(w.Wyslij(0xFE, 4), 0);
    EXPECT_EQ(w.odpowiedz[0], 0x6B);
    EXPECT_EQ(w.odpowiedz[1], 2);
    EXPECT_EQ(w.odpowiedz[4], 0) << "the rest of the area is zeroed";
    ASSERT_EQ(w.Wyslij(0xC0, 3), 0);
    EXPECT_EQ(w.odpowiedz[0], '0');
    EXPECT_EQ(w.odpowiedz[1], '7');
    UnInitializePort();
    EXPECT_EQ(w.Wyslij(0xC0, 3), 20) << "no port open";
}

TEST(Komport, ReportsTheModelByteAndVersionItIsGiven) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--model", "0x69", "--version", "1"});
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    Wymiana w;
    ASSERT_EQ(w.Wyslij(0xFE, 4), 0);
    EXPECT_EQ(w.odpowiedz[0], 0x69);
    EXPECT_EQ(w.odpowiedz[1], 1);
    EXPECT_EQ(w.Wyslij(0xFE, 3), 23) << "a reply of another length";
    UnInitializePort();
}

TEST(Komport, RefusesArgumentsOutOfRange) {
    EXPECT_EQ(InitializePort(0, 9600, 1, 1), 1);
    EXPECT_EQ(InitializePort(10, 9600, 1, 1), 1);
    EXPECT_EQ(InitializePort(1, 4800, 1, 1), 1);
    EXPECT_EQ(InitializePort(1, 9600, 0, 1), 1);
    EXPECT_EQ(InitializePort(1, 9600, 1, 1001), 1);
    EXPECT_EQ(UstawKanal(1), 0) << "no port open";
}

TEST(Komport, MultiplexerChannelsReachRegistersOneToFour) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--mux"});
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    Wymiana w;
    for (uint8_t kanal = 1; kanal <= 4; ++kanal) {
        ASSERT_NE(UstawKanal(kanal), 0);
        ASSERT_EQ(w.Wyslij(0xC0, 3), 0);
        EXPECT_EQ(w.odpowiedz[1], '0' + kanal);
    }
    EXPECT_EQ(UstawKanal(5), 0);
    UnInitializePort();
}

TEST(Komport, ChannelSelectionWithoutAMultiplexerFails) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing"});
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    EXPECT_EQ(UstawKanal(2), 0);
    UnInitializePort();
}

} // namespace
} // namespace orbaklaw::testy

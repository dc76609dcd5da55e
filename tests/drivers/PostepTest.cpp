// The library's own additions for the program: the progress of the call in
// progress and the description of a failure beyond its code.
#include "SrodowiskoKasy.h"
#include "WolnaKasa.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace orbaklaw::testy {
namespace {

using PortWUzyciu = WolnaKasa;

TEST_F(PortWUzyciu, TheReasonOfA20CanBeAskedFor) {
    char opis[256] = "x";
    EXPECT_EQ(kasdrv_opis_bledu(opis, sizeof opis), 0u);
    EXPECT_EQ(opis[0], 0);
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    EXPECT_EQ(ODef("123.@#$", "k.txt"), 20);
    const uint32_t dlugosc = kasdrv_opis_bledu(opis, sizeof opis);
    EXPECT_EQ(dlugosc, std::string(opis).size());
    EXPECT_NE(std::string(opis).find(s.Link()), std::string::npos) << opis;
    EXPECT_NE(std::string(opis).find("zaj\352ty"), std::string::npos) << opis; // zajęty
    char krotki[5] = "";
    EXPECT_EQ(kasdrv_opis_bledu(krotki, sizeof krotki), dlugosc);
    EXPECT_EQ(std::string(krotki), std::string(opis).substr(0, 4));
    UnInitializePort();
    EXPECT_EQ(ODef("123.@#$", "k.txt"), 0);
    EXPECT_EQ(kasdrv_opis_bledu(opis, sizeof opis), 0u);
}

// A device that is no serial port is named so.
TEST_F(PortWUzyciu, TheReasonNamesADeviceThatIsNoSerialPort) {
    const std::string link = std::getenv("ORBAKLAW_COM1");
    setenv("ORBAKLAW_COM1", "/dev/null", 1);
    EXPECT_EQ(ODef("123.@#$", "k.txt"), 20);
    char opis[512] = "";
    kasdrv_opis_bledu(opis, sizeof opis);
    setenv("ORBAKLAW_COM1", link.c_str(), 1);
    EXPECT_EQ(std::string(opis), "Urz\xB9"
                                 "dzenie /dev/null nie jest portem szeregowym.");
}

// A port assignment file that can't be used is the reason, with its line;
// the port's default device is not tried in its place.
TEST_F(PortWUzyciu, TheReasonNamesAnUnusablePortAssignment) {
    const std::filesystem::path xdg = std::filesystem::current_path() / "xdg";
    std::filesystem::create_directories(xdg / "orbaklaw");
    { std::ofstream(xdg / "orbaklaw" / "porty.txt") << "COM1=\r\n"; }
    const std::string link = std::getenv("ORBAKLAW_COM1");
    const char* poprzedni = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> stary =
        poprzedni ? std::optional<std::string>(poprzedni) : std::nullopt;
    unsetenv("ORBAKLAW_COM1");
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    EXPECT_EQ(ODef("123.@#$", "k.txt"), 20);
    char opis[512] = "";
    kasdrv_opis_bledu(opis, sizeof opis);
    setenv("ORBAKLAW_COM1", link.c_str(), 1);
    stary ? (void)setenv("XDG_CONFIG_HOME", stary->c_str(), 1) : (void)unsetenv("XDG_CONFIG_HOME");
    EXPECT_NE(std::string(opis).find((xdg / "orbaklaw" / "porty.txt").string() + ": linia 1: "),
              std::string::npos)
        << opis;
}

TEST_F(PortWUzyciu, TheLinkTestCannotOpenAPortAnExchangeHolds) {
    std::atomic<int> wynik{-1};
    std::thread odczyt([&] { wynik = ODef("123.@#$", "k.txt"); });
    uint32_t zrobione = 0, oczekiwane = 0;
    bool trwa = false;
    for (int i = 0; i < 400 && !(trwa && zrobione > 0); ++i) {
        trwa = kasdrv_postep(&zrobione, &oczekiwane) == 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(trwa);
    if (trwa) {
        EXPECT_EQ(InitializePort(1, 9600, 1, 1), 2);
    }
    odczyt.join();
    EXPECT_EQ(wynik, 0);
    EXPECT_EQ(InitializePort(1, 9600, 1, 1), 0);
    UnInitializePort();
}

// The program shows a transfer's progress from another thread while the
// call runs.
TEST_F(PortWUzyciu, ProgressCanBeFollowedWhileTheCallRuns) {
    std::atomic<bool> koniec{false};
    std::atomic<int> wynik{-1};
    std::thread odczyt([&] {
        wynik = ODef("123.@#$", "k.txt");
        koniec = true;
    });
    std::vector<std::pair<uint32_t, uint32_t>> widziane;
    while (!koniec) {
        uint32_t z = 0, o = 0;
        if (kasdrv_postep(&z, &o) == 1)
            widziane.emplace_back(z, o);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    odczyt.join();
    ASSERT_EQ(wynik, 0);
    ASSERT_FALSE(widziane.empty());
    bool wTrakcie = false;
    for (size_t i = 0; i < widziane.size(); ++i) {
        EXPECT_LE(widziane[i].first, widziane[i].second);
        if (i > 0) {
            EXPECT_GE(widziane[i].first, widziane[i - 1].first);
        }
        wTrakcie = wTrakcie || (widziane[i].first > 0 && widziane[i].first < widziane[i].second);
    }
    EXPECT_TRUE(wTrakcie);
    EXPECT_GT(widziane.back().second, 64u * 15u); // the key records at least
    uint32_t z = 1, o = 1;
    EXPECT_EQ(kasdrv_postep(&z, &o), 0);
    EXPECT_EQ(z, 0u);
    EXPECT_EQ(o, 0u);
    EXPECT_EQ(kasdrv_postep(nullptr, nullptr), 0);
}

} // namespace
} // namespace orbaklaw::testy

// Every fault of the line gives its code within the configured timeout.
#include "SrodowiskoKasy.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"

#include <chrono>
#include <gtest/gtest.h>

namespace orbaklaw::testy {
namespace {

using Zegar = std::chrono::steady_clock;
constexpr auto Timeout = std::chrono::seconds(1);
constexpr auto Zapas = std::chrono::milliseconds(900); // for a loaded machine

struct Usterka {
    const char* nazwa;
    std::vector<std::string> opcje;
    uint8_t kod;
};

void PrintTo(const Usterka& p, std::ostream* os) {
    *os << p.nazwa;
}

class UsterkaLacza : public ::testing::TestWithParam<Usterka> {
protected:
    void SetUp() override {
        auto opcje = GetParam().opcje;
        opcje.push_back("--no-pacing");
        s.Uruchom(opcje);
        s.Konfiguracja(1);
        ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    }
    SrodowiskoKasy s;
};

TEST_P(UsterkaLacza, KasdrvGivesItsCodeInTime) {
    const auto start = Zegar::now();
    EXPECT_EQ(ODef(), GetParam().kod);
    EXPECT_LT(Zegar::now() - start, Timeout + Zapas);
}

TEST_P(UsterkaLacza, KomportGivesItsCodeInTime) {
    if (GetParam().kod == 22)
        GTEST_SKIP() << "the link test asks whoever answers";
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    uint8_t odpowiedz[256] = {};
    uint8_t bufor[256] = {};
    const auto start = Zegar::now();
    EXPECT_EQ(RSSequence(0xFE, 4, 0, odpowiedz, bufor), GetParam().kod);
    EXPECT_LT(Zegar::now() - start, Timeout + Zapas);
    UnInitializePort();
}

INSTANTIATE_TEST_SUITE_P(
    Lacze, UsterkaLacza,
    ::testing::Values(Usterka{"Silent", {"--fault", "silent"}, 21},
                      Usterka{"Nak", {"--fault", "nak"}, 24},
                      Usterka{"Corrupt", {"--fault", "corrupt"}, 23},
                      Usterka{"Hangup", {"--fault", "hangup"}, 21},
                      Usterka{"OtherNumber", {"--fault", "other-number"}, 22},
                      Usterka{"SlowPastTheTimeout", {"--fault", "slow", "--slow-ms", "1400"}, 21},
                      Usterka{"SlowWithinTheTimeout", {"--fault", "slow", "--slow-ms", "500"}, 0}),
    [](const auto& p) { return std::string(p.param.nazwa); });

TEST(BrakKasy, NoPortGives20) {
    SrodowiskoKasy s;
    setenv("ORBAKLAW_COM1", (s.Folder() / "nie-ma").c_str(), 1);
    s.Konfiguracja(1);
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    EXPECT_EQ(ODef(), 20);
    EXPECT_EQ(InitializePort(1, 9600, 1, 1), 2);
}

} // namespace
} // namespace orbaklaw::testy

#include "platform/Srodowisko.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orbaklaw::platform {
namespace {

TEST(Srodowisko, AVariableSetIsSeenByThisProcessUntilRemoved) {
    ASSERT_TRUE(UstawZmienna("ORBAKLAW_TEST_ZMIENNA", "C:\\kasa 1"));
    const char* wartosc = std::getenv("ORBAKLAW_TEST_ZMIENNA");
    ASSERT_NE(wartosc, nullptr);
    EXPECT_STREQ(wartosc, "C:\\kasa 1");
    ASSERT_TRUE(UsunZmienna("ORBAKLAW_TEST_ZMIENNA"));
    EXPECT_EQ(std::getenv("ORBAKLAW_TEST_ZMIENNA"), nullptr);
}

TEST(Srodowisko, LocalTimeIsTheCLibrarysLocalTime) {
    for (const std::time_t czas : {std::time_t{0}, std::time_t{1700000000}, std::time(nullptr)}) {
        std::tm lokalny{};
        ASSERT_TRUE(CzasLokalny(czas, lokalny));
        const std::tm oczekiwany = *std::localtime(&czas);
        EXPECT_EQ(lokalny.tm_year, oczekiwany.tm_year);
        EXPECT_EQ(lokalny.tm_yday, oczekiwany.tm_yday);
        EXPECT_EQ(lokalny.tm_hour, oczekiwany.tm_hour);
        EXPECT_EQ(lokalny.tm_min, oczekiwany.tm_min);
        EXPECT_EQ(lokalny.tm_sec, oczekiwany.tm_sec);
    }
}

} // namespace
} // namespace orbaklaw::platform

// The one rule by which every caller turns NumerKasy into a number.
#include "comm/NumerKasy.h"

#include <gtest/gtest.h>

#include <optional>

namespace orbaklaw {
namespace {

TEST(NumerKasy, DigitsOnlyAreANumber) {
    const std::pair<const char*, std::optional<unsigned>> przypadki[] = {
        {"01", 1},
        {"1", 1},
        {"7", 7},
        {"12", 12},
        {"99", 99},
        {"0", 0},
        {"00", 0},
        {"2147483647", 2147483647u},
        {"", {}},
        {"+5", {}},
        {"-1", {}},
        {"-0", {}},
        {" 5", {}},
        {"5 ", {}},
        {"5\t", {}},
        {"x1", {}},
        {"1x", {}},
        {"ab", {}},
        {"0x1", {}},
        {"2147483648", {}},
        {"99999999999", {}},
    };
    for (const auto& [tekst, liczba] : przypadki) {
        const auto wynik = NumerKasyJakoLiczba(tekst);
        if (liczba) {
            ASSERT_TRUE(wynik) << tekst;
            EXPECT_EQ(*wynik, *liczba) << tekst;
            continue;
        }
        ASSERT_FALSE(wynik) << "accepted: '" << tekst << "'";
        EXPECT_EQ(wynik.Blad().opis, std::string("Niepoprawny numer kasy: '") + tekst + "'");
    }
}

} // namespace
} // namespace orbaklaw

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
        if (liczba) {
            EXPECT_EQ(NumerKasyJakoLiczba(tekst), *liczba) << tekst;
            continue;
        }
        try {
            NumerKasyJakoLiczba(tekst);
            ADD_FAILURE() << "accepted: '" << tekst << "'";
        } catch (const BladNumeruKasy& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("Niepoprawny numer kasy: '") + tekst + "'");
        }
    }
}

} // namespace
} // namespace orbaklaw

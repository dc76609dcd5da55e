#include "keys/NormalizujKwote.h"
#include "keys/OdczytKwoty.h"

#include <gtest/gtest.h>

using namespace orbaklaw;

struct PrzypadekNormalizacji {
    const char* wejscie;
    const char* wynik; // nullptr: refused
};

TEST(NormalizujKwote, RewritesOrRefusesAsTheFieldRulesSay) {
    const PrzypadekNormalizacji przypadki[] = {
        {"12", "12,00"},
        {"12.5", "12,50"},
        {"12,50", "12,50"},
        {"12.50", "12,50"},
        {"0,5", "0,50"},
        {",5", ",50"},
        {"", ",00"},
        {"7.", nullptr},
        {"1,234", nullptr},
        {"1,2,3", nullptr},
        {"1.2,3", nullptr},
        {"!!!", nullptr},
        {"12a", nullptr},
        {"-5", nullptr},
        {"123456789", "123456789,00"},
        {"1234567890", "1234567890,00"},
        {"1234567,89", "1234567,89"}, // shown by the program
        {"21474836,47", "21474836,47"},
        {"12345678,9", "12345678,90"},
        {",", nullptr},
        {".55", ",55"},
    };
    for (const auto& p : przypadki) {
        const auto wynik = NormalizujKwote(p.wejscie);
        if (p.wynik == nullptr)
            EXPECT_FALSE(wynik.has_value()) << p.wejscie;
        else
            EXPECT_EQ(wynik.value_or("<refused>"), p.wynik) << p.wejscie;
    }
}

struct PrzypadekKwoty {
    const char* tekst;
    int64_t grosze; // -1: not a number
};

TEST(KwotaWGroszach, ReadsExactlyWithoutFloatingPoint) {
    const PrzypadekKwoty przypadki[] = {
        {"0,53", 53},
        {"1,239", 123},
        {"5", 500},
        {",5", 50},
        {"5,", 500},
        {"12,50", 1250},
        {"0,07", 7},
        {"0,29", 29},
        {"1,10", 110},
        {"999999999", 99999999900},
        {"!!!", -1},
        {"", -1},
        {",", -1},
        {"12.50", -1},
        {"1,2,3", -1},
        {"-5", -1},
        {" 5", -1},
        {"1e3", -1},
        {"1234567890123456", -1},
    };
    for (const auto& p : przypadki) {
        const auto wynik = KwotaWGroszach(p.tekst);
        EXPECT_EQ(wynik.value_or(-1), p.grosze) << p.tekst;
    }
}

TEST(KwotaWGroszach, EveryTwoDecimalAmountRoundTrips) {
    // Floating point would turn some of these into one grosz less.
    for (int grosze = 0; grosze < 100000; ++grosze) {
        const std::string tekst = std::to_string(grosze / 100) + "," +
                                  (grosze % 100 < 10 ? "0" : "") + std::to_string(grosze % 100);
        ASSERT_EQ(KwotaWGroszach(tekst).value_or(-1), grosze) << tekst;
    }
}

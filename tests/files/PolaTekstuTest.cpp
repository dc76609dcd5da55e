// The field extractors, the request file and the code-page conversion.
#include "comm/PlikZapytania.h"
#include "files/Konw852.h"
#include "files/WezArgument.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(WezArgument, FieldsBetweenTabs) {
    struct {
        int n;
        const char* linia;
        const char* pole;
    } przypadki[] = {
        {2, "a\tb", "b"},     {3, "a\tb", ""},      {2, "a\t\tc", ""}, {3, "a\t\tc", "c"},
        {0, " a \tb", " a "}, {1, " a \tb", " a "}, {1, "", ""},       {5, "a\tb\tc\td\te", "e"},
        {2, "a\t", ""},       {1, "\tx", ""},       {2, "\tx", "x"},   {3, "a\tb\t", ""},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(WezArgument(p.n, p.linia), p.pole) << p.n << " of '" << p.linia << "'";
}

TEST(WezPoleTab, TrueOnlyForAPresentNonEmptyField) {
    struct {
        int n;
        const char* tekst;
        bool jest;
        const char* pole;
    } przypadki[] = {
        {2, "a\tb", true, "b"},   {2, "a\t", false, ""},    {2, "a\t\tz", false, ""},
        {3, "a\t\tz", true, "z"}, {1, "\tx", false, ""},    {0, "a", false, ""},
        {1, "", false, ""},       {4, "a\t\tz", false, ""}, {1, "abc", true, "abc"},
    };
    for (const auto& p : przypadki) {
        std::string pole = "stale";
        EXPECT_EQ(WezPoleTab(p.tekst, p.n, pole), p.jest) << p.n << " of '" << p.tekst << "'";
        EXPECT_EQ(pole, p.pole);
    }
    std::string pole;
    EXPECT_TRUE(WezPole("1;2;3", 3, ';', pole));
    EXPECT_EQ(pole, "3");
}

TEST(Konw852, PolishLettersOnly) {
    EXPECT_EQ(Konw852Tekst("\245\206A"), "\271\346A");
    const unsigned char z852[] = {165, 134, 169, 136, 228, 162, 152, 171, 190,
                                  164, 143, 168, 157, 227, 224, 151, 141, 189};
    const unsigned char do1250[] = {185, 230, 234, 179, 241, 243, 156, 159, 191,
                                    165, 198, 202, 163, 209, 211, 140, 143, 175};
    int zmienione = 0;
    for (int b = 0; b < 256; ++b)
        if (Konw852Znak(static_cast<unsigned char>(b)) != b)
            ++zmienione;
    EXPECT_EQ(zmienione, 18);
    for (size_t i = 0; i < sizeof z852; ++i)
        EXPECT_EQ(Konw852Znak(z852[i]), do1250[i]);
    EXPECT_EQ(Konw852Tekst(std::string(300, '\245')), std::string(300, '\271'));
}

TEST(PlikWejsciowy, RegisterNumberInDecimal) {
    test::KatalogTymczasowy katalog;
    ASSERT_TRUE(UtworzPlikWejsciowy(katalog / "123.@#$", 1));
    EXPECT_EQ(katalog.Czytaj("123.@#$"), "#1\r\n#\r\n#\r\n");
    ASSERT_TRUE(UtworzPlikWejsciowy(katalog / "123.@#$", 7));
    EXPECT_EQ(katalog.Czytaj("123.@#$"), "#7\r\n#\r\n#\r\n");
    EXPECT_FALSE(UtworzPlikWejsciowy(katalog / "brak" / "123.@#$", 1));
}

} // namespace
} // namespace orbaklaw

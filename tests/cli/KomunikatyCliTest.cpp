// The texts orbaklaw-cli puts on the terminal: mixed code pages, long lines
// and the progress line.
#include "cli/Komunikaty.h"
#include "cli/PostepWTerminalu.h"
#include "tests/support/Cp1250.h"

#include <gtest/gtest.h>

namespace orbaklaw::cli {
namespace {

TEST(KomunikatyCli, DlaTerminala) {
    const std::pair<std::string, std::string> przypadki[] = {
        {"abc", "abc"},
        {"B\263\352dny", "Błędny"},                               // Windows-1250
        {"za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87.txt", "zażółć.txt"}, // UTF-8 passes
        {"Nie mo\277na: /tmp/Wk\xc5\x82"
         "adki",
         "Nie można: /tmp/Wkładki"},
        {"a\rb\r\nc", "a\nb\r\nc"},
        {"\xe2\x80", "â€"}, // a cut UTF-8 sequence is not UTF-8
    };
    for (const auto& [we, wy] : przypadki)
        EXPECT_EQ(DlaTerminala(we), wy) << we;
}

// Every byte of Windows-1250 becomes the character the C library's iconv
// gives it; the five bytes the code page leaves undefined become U+FFFD.
TEST(KomunikatyCli, EveryWindows1250ByteBecomesItsUtf8Character) {
    const std::string zastepczy = "\357\277\275";
    std::string nieokreslone;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string bajt(1, static_cast<char>(b));
        const std::string utf8 = Utf8Z1250(bajt);
        if (utf8 == zastepczy)
            nieokreslone += bajt;
        else
            EXPECT_EQ(test::Cp1250(utf8), bajt) << b;
    }
    EXPECT_EQ(nieokreslone, "\x81\x83\x88\x90\x98");
}

TEST(KomunikatyCli, LongLinesAreCutAt255Bytes) {
    EXPECT_EQ(LiniaWKomunikacie(std::string(255, 'x')), std::string(255, 'x'));
    EXPECT_EQ(LiniaWKomunikacie(std::string(256, 'x')), std::string(255, 'x') + "…");
    EXPECT_EQ(LiniaWKomunikacie(std::string(100'000'000, 'x')).size(), 255u + 3u);
    EXPECT_EQ(LiniaWKomunikacie(""), "");
}

TEST(KomunikatyCli, ProgressLine) {
    EXPECT_EQ(LiniaPostepu("Odczyt", false, 0, 0, 1.25, 0), "Odczyt | 1.2 s");
    EXPECT_EQ(LiniaPostepu("Odczyt", false, 0, 0, 0.0, 5), "Odczyt / 0.0 s");
    EXPECT_EQ(LiniaPostepu("Odczyt", true, 0, 0, 0.0, 2), "Odczyt - 0.0 s") << "none expected";
    EXPECT_EQ(LiniaPostepu("Zapis", true, 50, 200, 2.0, 0),
              "Zapis [#####...............] 25% 50/200 B, 2.0 s");
    EXPECT_EQ(LiniaPostepu("Zapis", true, 300, 200, 2.0, 0),
              "Zapis [####################] 100% 200/200 B, 2.0 s");
}

TEST(KomunikatyCli, ProgressKeepsTheResultAndTheExceptionOfTheExchange) {
    // Not a terminal: run as they are.
    EXPECT_EQ(ZPostepem(
                  "x", [] { return uint8_t{21}; }, {}, -1),
              21);
    EXPECT_THROW(ZPostepem(
                     "x", []() -> uint8_t { throw std::runtime_error("x"); }, {}, -1),
                 std::runtime_error);
}

} // namespace
} // namespace orbaklaw::cli

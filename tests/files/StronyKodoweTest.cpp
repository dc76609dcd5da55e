// The code pages' tables against the C library's own (iconv), and the
// texts written in UTF-8 in the source against the bytes they must become.
#include "files/StronyKodowe.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace orbaklaw {
namespace {

// What iconv makes of one byte of `strona`, or "" when it refuses it.
std::string Iconv(const char* strona, unsigned char bajt) {
    iconv_t cd = iconv_open("UTF-8", strona);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "?";
    char we[1] = {static_cast<char>(bajt)};
    char wy[8] = {};
    char* pw = we;
    char* py = wy;
    size_t zostalo = 1, miejsce = sizeof wy;
    const bool dobrze = iconv(cd, &pw, &zostalo, &py, &miejsce) != static_cast<size_t>(-1);
    iconv_close(cd);
    return dobrze ? std::string(wy, static_cast<size_t>(py - wy)) : std::string();
}

TEST(StronyKodowe, EveryByteIsTheCharacterTheSystemKnows) {
    const struct {
        const char* nazwa;
        const TablicaStrony& strona;
    } strony[] = {{"WINDOWS-1250", Strona1250}, {"CP852", Strona852}};
    for (const auto& s : strony)
        for (int b = 0x80; b <= 0xFF; ++b) {
            const std::string oczekiwany = Iconv(s.nazwa, static_cast<unsigned char>(b));
            const std::string bajt(1, static_cast<char>(b));
            const std::string utf8 = Utf8ZeStrony(s.strona, bajt);
            EXPECT_EQ(utf8, oczekiwany.empty() ? "\uFFFD" : oczekiwany) << s.nazwa << " " << b;
            std::string z;
            EXPECT_EQ(StronaZUtf8(s.strona, utf8, z) && z == bajt, !oczekiwany.empty())
                << s.nazwa << " " << b;
        }
}

TEST(StronyKodowe, SourceTextsBecomeTheirCodePagesBytes) {
    const struct {
        const char* tekst;
        const char* bajty;
    } przypadki[] = {
        {"Błąd wejścia-wyjścia"_w1250, "B\xb3\xb9"
                                       "d wej\x9c"
                                       "cia-wyj\x9c"
                                       "cia"},
        {"ZAŻÓŁĆ GĘŚLĄ JAŹŃ"_w1250, "ZA\xaf\xd3\xa3\xc6 G\xca\x8cL\xa5 JA\x8f\xd1"},
        {"ŻÓŁTY SER"_cp852, "\xbd\xe0\x9dTY SER"},
        {"ąćęłńóśźż"_cp852, "\xa5\x86\xa9\x88\xe4\xa2\x98\xab\xbe"},
        {"plain \"ASCII\"\r"_w1250, "plain \"ASCII\"\r"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(std::string(p.tekst), std::string(p.bajty));
}

TEST(StronyKodowe, TextsTheCodePageCantHoldAreRefusedWhole) {
    std::string wynik = "nietknięty";
    for (const char* utf8 : {"€uro ✓", "broken \xc5", "\xff"})
        EXPECT_FALSE(StronaZUtf8(Strona852, utf8, wynik)) << utf8;
    EXPECT_EQ(wynik, "nietknięty");
}

} // namespace
} // namespace orbaklaw

// KONFIG.TXT, the register number read back from it, and the fixed string buffer.
#include "format/Konfiguracja.h"
#include "comm/BuforTekstu.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbaklaw {
namespace {

TEST(Konfiguracja, LineFromTheDialogsSettings) {
    EXPECT_EQ(LiniaKonfiguracji("01", {}), "$01\tcom1:9600:mux0:1\t5");
    EXPECT_EQ(LiniaKonfiguracji("5", {1, 19200, 1, 3, 20}), "$5\tcom1:19200:mux1:3\t20");
    // Without a multiplexer the channel is always 1.
    EXPECT_EQ(LiniaKonfiguracji("01", {9, 9600, 0, 4, 1000}), "$01\tcom9:9600:mux0:1\t1000");
}

TEST(Konfiguracja, ParsedAsTheLibraryReadsIt) {
    struct {
        const char* linia;
        int kod;
    } przypadki[] = {
        {"$01\tcom1:9600:mux0:1\t5", 0},
        {"$5\tcom1:19200:mux1:3\t20", 0},
        {"$99\tcom9:9600:mux1:4\t1000", 0},
        {"", 13},
        {"$01", 13},
        {"$01\tcom1:9600:mux0:1", 13},
        {"$01\tcom1:9600\t5", 13},
        {"$01\tcom1:9600:mux0:1\t5\tx", 16},
        {"01\tcom1:9600:mux0:1\t5", 16},
        {"$01\tcm1:9600:mux0:1\t5", 16},
        {"$01\tcom1:9600:mx0:1\t5", 16},
        {"$01\tcom1:9600:mux0:1:2\t5", 16},
        {"$x\tcom1:9600:mux0:1\t5", 16},
        {"$01\tcom1:9600:mux0:1\t5s", 16},
        {"$01\tcom-1:9600:mux0:1\t5", 16},
        {"$00\tcom1:9600:mux0:1\t5", 15},
        {"$100\tcom1:9600:mux0:1\t5", 15},
        {"$01\tcom0:9600:mux0:1\t5", 15},
        {"$01\tcom10:9600:mux0:1\t5", 15},
        {"$01\tcom1:4800:mux0:1\t5", 15},
        {"$01\tcom1:9600:mux2:1\t5", 15},
        {"$01\tcom1:9600:mux1:5\t5", 15},
        {"$01\tcom1:9600:mux0:1\t0", 15},
        {"$01\tcom1:9600:mux0:1\t1001", 15},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(ParsujLinieKonfiguracji(p.linia).kod, p.kod) << p.linia;
    const auto wynik = ParsujLinieKonfiguracji("$5\tcom2:19200:mux1:3\t20");
    EXPECT_EQ(wynik.wpis.numerKasy, 5);
    EXPECT_EQ(wynik.wpis.ustawienia, (UstawieniaKomunikacji{2, 19200, 1, 3, 20}));
}

TEST(Konfiguracja, RegisterNumberFromTheFirstLine) {
    struct {
        const char* linia;
        const char* numer;
    } przypadki[] = {{"$5\tcom1", "5"}, {"$12\tcom1", "12"}, {"$01\t", "01"},
                     {"$5", "5"},       {"$", ""},           {"", ""},
                     {"$123", "12"},    {"$5 x", "5"},       {"$5\xC8", "5\xC8"}};
    for (const auto& p : przypadki)
        EXPECT_EQ(NumerKasyZLinii(p.linia), p.numer) << p.linia;
}

TEST(Konfiguracja, RegisterNumberReadFromTheFile) {
    test::KatalogTymczasowy katalog;
    EXPECT_FALSE(CzytajNumerKasy(katalog / "KONFIG.TXT"));
    katalog.Zapisz("KONFIG.TXT", "$7\tcom1:9600:mux0:1\t5\r\n$8\tcom1:9600:mux0:1\t5\r\n");
    EXPECT_EQ(CzytajNumerKasy(katalog / "KONFIG.TXT"), "7");
    katalog.Zapisz("KONFIG.TXT", "");
    EXPECT_EQ(CzytajNumerKasy(katalog / "KONFIG.TXT"), "");
}

// One verdict per configuration, for the library, the program and every
// command of orbaklaw-cli: the register number and the register's line.
TEST(KonfiguracjaKasy, OneVerdictPerConfiguration) {
    const std::string dobra = "$01\tcom1:9600:mux0:1\t5";
    struct {
        const char* nazwa;
        std::vector<std::string> linie;
        const char* numer; // as the program reads it
        int kod;           // for register 1
    } przypadki[] = {
        {"one good line", {dobra}, "01", 0},
        {"blank lines first", {"", " \t", dobra}, "01", 0},
        {"a malformed second line", {dobra, "$02\tcom1"}, "01", 13},
        {"two fields", {"$01\tcom1:9600:mux0:1"}, "01", 13},
        {"only another register", {"$02\tcom1:9600:mux0:1\t5"}, "02", 14},
        {"only blanks", {"", "  "}, "", 13},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        EXPECT_EQ(NumerKasyZKonfiguracji(p.linie), p.numer);
        EXPECT_EQ(KonfiguracjaKasy(p.linie, 1).kod, p.kod);
        test::KatalogTymczasowy katalog;
        std::string tresc;
        for (const auto& l : p.linie)
            tresc += l + "\r\n";
        katalog.Zapisz("KONFIG.TXT", tresc);
        EXPECT_EQ(CzytajNumerKasy(katalog / "KONFIG.TXT"), p.numer);
    }
}

TEST(BuforTekstu, BytesThenZeroesAndNothingTooLong) {
    auto bufor = KonwNaBufor("konfig.txt");
    ASSERT_TRUE(bufor);
    EXPECT_EQ(std::string(bufor->data(), 10), "konfig.txt");
    for (size_t i = 10; i < RozmiarBufora; ++i)
        EXPECT_EQ((*bufor)[i], 0) << i;
    EXPECT_EQ((*KonwNaBufor(""))[0], 0);
    const std::string polskie = "\271\346"; // no conversion of any kind
    EXPECT_EQ(std::string(KonwNaBufor(polskie)->data()), polskie);
    EXPECT_TRUE(KonwNaBufor(std::string(255, 'a')));
    EXPECT_EQ((*KonwNaBufor(std::string(255, 'a')))[255], 0);
    EXPECT_FALSE(KonwNaBufor(std::string(256, 'a')));
}

} // namespace
} // namespace orbaklaw

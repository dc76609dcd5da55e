// How the register library judges its input files.
#include "drivers/kasdrv/PlikiWejsciowe.h"

#include <gtest/gtest.h>

namespace orbaklaw::kasdrv {
namespace {

struct Naglowki {
    std::vector<std::string> linie;
    uint8_t kod;
    int numer;
};

TEST(CzytajNaglowek, TakesTheRegisterNumberOrGivesTheCode) {
    const std::vector<Naglowki> przypadki{
        {{"#1", "#", "#"}, 0, 1},
        {{"#01", "#", "#"}, 0, 1},
        {{"#99", "#", "#"}, 0, 99},
        {{"#0", "#", "#"}, 19, 0},
        {{"#100", "#", "#"}, 19, 0},
        {{"#1", "#"}, 10, 0},
        {{"#", "#", "#"}, 10, 0},
        {{"1", "#", "#"}, 11, 0},
        {{"#1a", "#", "#"}, 11, 0},
        {{"#-1", "#", "#"}, 11, 0},
        {{"#1", "x", "#"}, 11, 0},
        {{}, 10, 0},
        {{"#99999999999", "#", "#"}, 19, 0},
    };
    for (const auto& p : przypadki) {
        auto n = CzytajNaglowek(p.linie);
        EXPECT_EQ(n.kod, p.kod) << (p.linie.empty() ? "" : p.linie[0]);
        EXPECT_EQ(n.numer, p.numer);
    }
}

TEST(CzytajDefinicje, SendsAll64KeysAndEveryForeignCode) {
    auto d =
        CzytajDefinicje({"#01", "#", "#", "$237\t1\t12\t1\t0\t1", "$100\t0", "$1\t3\t8\t1050\t0"});
    ASSERT_EQ(d.kod, 0);
    EXPECT_EQ(d.numer, 1);
    ASSERT_EQ(d.klawisze.size(), 65u);
    EXPECT_EQ(d.klawisze[0].KodKlawisza, 237);
    EXPECT_EQ(d.klawisze[0].NrTowaru, 12);
    EXPECT_EQ(d.klawisze[9].KodKlawisza, 1);
    EXPECT_EQ(d.klawisze[9].Kwota, 1050);
    EXPECT_EQ(d.klawisze[64].KodKlawisza, 100);
}

TEST(KodZlejLinii, TellsIncompleteMalformedAndWrongApart) {
    const std::vector<std::pair<std::string, uint8_t>> przypadki{
        {"", 10},
        {"$237", 10},
        {"$237\t1\t12", 10},
        {"$237\t3\t1\t", 10},
        {"$237\tx", 11},
        {"$x\t0", 11},
        {"$237\t1\t12\ta\t0\t0", 11},
        {std::string(256, '1'), 11},
        {"$237\t4", 12},
        {"$237\t1\t12\t2\t0\t0", 12},
        {"$237\t3\t9\t0\t0", 12},
        {"$237\t3\t1\t-1\t0", 12},
    };
    for (const auto& [linia, kod] : przypadki)
        EXPECT_EQ(KodZlejLinii(linia), kod) << linia;
}

TEST(CzytajKasowanie, TakesCodeLinesOnly) {
    auto k = CzytajKasowanie({"#01", "#", "#", "$237", "$78"});
    EXPECT_EQ(k.kod, 0);
    EXPECT_EQ(k.kody, (std::vector<uint16_t>{237, 78}));
    EXPECT_EQ(CzytajKasowanie({"#01", "#", "#", "$"}).kod, 11);
    EXPECT_EQ(CzytajKasowanie({"#01", "#", "#", "237"}).kod, 11);
    EXPECT_EQ(CzytajKasowanie({"#01", "#", "#", ""}).kod, 10);
}

} // namespace
} // namespace orbaklaw::kasdrv

// The reply files of the start-up query.
#include "format/OdpowiedziKasy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

std::vector<std::string> ZNaglowkiem(std::vector<std::string> linie) {
    linie.insert(linie.begin(), {"#1", "#", "#"});
    return linie;
}

TEST(OdpowiedziKasy, GoodsNumberField) {
    const std::pair<const char*, int> przypadki[] = {{"5", 5},
                                                     {"$5", 5},
                                                     {" 12 ", 12},
                                                     {"\t7", 7},
                                                     {"$", 0},
                                                     {"abc", 0},
                                                     {"0", 0},
                                                     {"512", 512},
                                                     {"-3", -3},
                                                     {"1 2", 0},
                                                     {"$$5", 0},
                                                     {" \x01"
                                                      "9\x02",
                                                      9}};
    for (auto [pole, numer] : przypadki)
        EXPECT_EQ(NumerTowaruZPola(pole), numer) << pole;
}

TEST(OdpowiedziKasy, GoodsLinesFillTheBase) {
    Towary t;
    CzytajTowary(ZNaglowkiem({"1\tCHLEB", "$5\tMAS\210O", "0\tZERO", "512\tZA DUZO", "slowo\tNIC",
                              "511\tOSTATNI"}),
                 t);
    EXPECT_EQ(t.Nazwa852(1), "CHLEB");
    EXPECT_EQ(t.Nazwa852(5), "MAS\210O");
    EXPECT_EQ(t.Nazwa(5), "MAS\263O");
    EXPECT_EQ(t.Nazwa852(511), "OSTATNI");
    EXPECT_EQ(t.Nazwa852(0), "");
}

TEST(OdpowiedziKasy, GoodsReadingEndsAtAMalformedLine) {
    for (const char* zla : {"", "\tNAZWA", "7", "7\t"}) {
        Towary t;
        CzytajTowary(ZNaglowkiem({"1\tPIERWSZY", zla, "2\tDRUGI"}), t);
        EXPECT_EQ(t.Nazwa852(1), "PIERWSZY") << zla;
        EXPECT_EQ(t.Nazwa852(2), "") << "reading must stop at '" << zla << "'";
        EXPECT_EQ(t.Nazwa852(7), "");
    }
    Towary t;
    CzytajTowary({"1\tNAGLOWEK"}, t);
    EXPECT_EQ(t.Nazwa852(1), "");
}

TEST(OdpowiedziKasy, PaymentNamesFromLinesFourToSix) {
    auto nazwy = CzytajPlatnosci(ZNaglowkiem({"1\tKARTA"}));
    EXPECT_EQ(nazwy[0], "KARTA");
    EXPECT_FALSE(nazwy[1]);
    EXPECT_FALSE(nazwy[2]);
    nazwy = CzytajPlatnosci(ZNaglowkiem({"1\tKARTA", "2\t", "3\tBON\t9", "4\tNADMIAR"}));
    EXPECT_EQ(nazwy[0], "KARTA");
    EXPECT_FALSE(nazwy[1]);
    EXPECT_EQ(nazwy[2], "BON");
    EXPECT_FALSE(CzytajPlatnosci({})[0]);
}

} // namespace
} // namespace orbaklaw

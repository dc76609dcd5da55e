// Reply files made from the register's data, and data that must be refused.
#include "drivers/kasdrv/PlikiOdpowiedzi.h"
#include "drivers/protocol/Payload.h"
#include "files/PlikTekstowy.h"
#include "format/KodyKlawiszy.h"

#include <gtest/gtest.h>

namespace orbaklaw::kasdrv {
namespace {

TEST(TekstTowarow, SkipsUnnamedGoodsSoTheReaderGoesOn) {
    std::string tekst;
    ASSERT_TRUE(TekstTowarow(protocol::EncodeNames({"A", "", "\275"}), 7, tekst));
    EXPECT_EQ(PodzielNaLinie(tekst),
              (std::vector<std::string>{"#07", "#", "#", "$1\tA", "$3\t\275"}));
}

TEST(TekstTowarow, RefusesNamesThatWouldBreakTheLines) {
    std::string tekst;
    for (const std::string& zla :
         std::vector<std::string>{"A\tB", "A\r", "A\nB", std::string("A\0B", 3)})
        EXPECT_FALSE(TekstTowarow(protocol::EncodeNames({zla}), 1, tekst)) << zla;
    EXPECT_FALSE(TekstTowarow(protocol::EncodeNames(std::vector<std::string>(512, "x")), 1, tekst));
    EXPECT_FALSE(TekstTowarow({5, 'a'}, 1, tekst));
}

TEST(TekstPlatnosci, KeepsEveryLineForTheThreeForms) {
    std::string tekst;
    ASSERT_TRUE(TekstPlatnosci(protocol::EncodeNames({"KARTA", "", "BON"}), 1, tekst));
    EXPECT_EQ(PodzielNaLinie(tekst),
              (std::vector<std::string>{"#01", "#", "#", "$1\tKARTA", "$2\t", "$3\tBON"}));
    EXPECT_FALSE(TekstPlatnosci(protocol::EncodeNames({"a", "b", "c", "d"}), 1, tekst));
}

TEST(TekstDefinicji, PlacesRecordsByCodeAndRefusesForeignOnes) {
    std::string tekst;
    ASSERT_TRUE(TekstDefinicji(protocol::EncodeKeys({{238, 2, 5, 0, 0, 0, 0, 0}}), 1, tekst));
    auto linie = PodzielNaLinie(tekst);
    ASSERT_EQ(linie.size(), 67u);
    EXPECT_EQ(linie[0], "#01");
    EXPECT_EQ(linie[4], "$238\t2\t5\t");
    EXPECT_FALSE(TekstDefinicji(protocol::EncodeKeys({{100, 0, 0, 0, 0, 0, 0, 0}}), 1, tekst));
    EXPECT_FALSE(TekstDefinicji(protocol::EncodeKeys({{237, 4, 0, 0, 0, 0, 0, 0}}), 1, tekst));
}

// The reply file must be one the program's own reader takes: a record the
// reader would refuse makes the whole reply unusable.
TEST(TekstDefinicji, RefusesRecordsTheProgramWouldRefuse) {
    const std::vector<DefinicjaKlawisza> zle{
        {238, Funkcja, 200, 0, 0, 0, 0, 0}, {238, Funkcja, 0, 0, 0, 0, 0, 0},
        {238, Platnosc, 1, 0, 0, 0, 0, -5}, {238, Platnosc, 9, 0, 0, 0, 0, 0},
        {238, Towar, 0, 512, 0, 0, 0, 0},   {238, Towar, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& k : zle) {
        std::string tekst = "bez zmian";
        EXPECT_FALSE(TekstDefinicji(protocol::EncodeKeys({k}), 1, tekst))
            << int(k.Rodzaj) << " " << int(k.Numer) << " " << k.NrTowaru << " " << k.Kwota;
    }
    std::string tekst;
    EXPECT_TRUE(TekstDefinicji(protocol::EncodeKeys({{238, Funkcja, 19, 0, 0, 0, 0, 0},
                                                     {237, Platnosc, 8, 0, 0, 0, 0, 12345},
                                                     {1, Towar, 0, 511, 1, 1, 1, 0}}),
                               1, tekst));
}

} // namespace
} // namespace orbaklaw::kasdrv

// Reply files made from the register's data, and data that must be refused.
#include "drivers/kasdrv/PlikiOdpowiedzi.h"
#include "drivers/protocol/Payload.h"
#include "keys/KodyKlawiszy.h"
#include "transfer/PlikTekstowy.h"

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

} // namespace
} // namespace orbaklaw::kasdrv

#include "format/Towary.h"
#include "tests/support/Cp1250.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(Towary, NamesAreConvertedFromTheRegistersCodePage) {
    Towary t;
    t.UstawNazwe(1, "\245\206A"); // "ąćA" in code page 852
    EXPECT_EQ(t.Nazwa852(1), "\245\206A");
    EXPECT_EQ(t.Nazwa(1), test::Cp1250("ąćA"));
    EXPECT_EQ(t.TekstPozycji(1), "001 " + test::Cp1250("ąćA"));
    EXPECT_EQ(t.TekstPozycji(511), "511 ");
}

TEST(Towary, NumbersOutsideTheBaseHaveNoName) {
    Towary t;
    for (int n : {-1, 0, 512, 65535}) {
        t.UstawNazwe(n, "X");
        EXPECT_EQ(t.Nazwa(n), "") << n;
    }
    t.UstawNazwe(511, "OSTATNI");
    t.Wyczysc();
    EXPECT_EQ(t.Nazwa(511), "");
}

} // namespace
} // namespace orbaklaw

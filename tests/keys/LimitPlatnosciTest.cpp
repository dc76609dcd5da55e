#include "keys/LimitPlatnosci.h"

#include <gtest/gtest.h>

using namespace orbaklaw;

namespace {
TabliceKlawiszy OsiemPlatnosciNaF() {
    TabliceKlawiszy t;
    for (int nr = 0; nr < 8; ++nr)
        t.Slot(Bezp, nr)->Rodzaj = Platnosc;
    return t;
}
} // namespace

TEST(PlatnoscPonadLimit, OnlyANinthCountedPaymentIsRefused) {
    const auto t = OsiemPlatnosciNaF();
    EXPECT_TRUE(PlatnoscPonadLimit(t, Bezp, 8));     // plain F9: would be the ninth
    EXPECT_TRUE(PlatnoscPonadLimit(t, LewyAlt, 12)); // a digit of an ALT variant counts
    EXPECT_TRUE(PlatnoscPonadLimit(t, ObaAlt, 9));   // digit 0
    EXPECT_FALSE(PlatnoscPonadLimit(t, Bezp, 3));    // already one of the eight
    EXPECT_FALSE(PlatnoscPonadLimit(t, LewyAlt, 0)); // ALT function keys are not counted
    EXPECT_FALSE(PlatnoscPonadLimit(t, ObaAlt, 4));
    EXPECT_FALSE(PlatnoscPonadLimit(t, Bezp, 12)); // no such key
}

TEST(PlatnoscPonadLimit, SevenPaymentsLeaveRoom) {
    auto t = OsiemPlatnosciNaF();
    t.Slot(Bezp, 0)->Rodzaj = Funkcja;
    EXPECT_FALSE(PlatnoscPonadLimit(t, Bezp, 8));
}

TEST(PlatnoscPonadLimit, PaymentsOnAltFunctionKeysNeverFillTheSet) {
    TabliceKlawiszy t;
    for (int nr = 0; nr < 9; ++nr) {
        t.Slot(ObaAlt, nr)->Rodzaj = Platnosc;
        t.Slot(LewyAlt, nr)->Rodzaj = Platnosc;
    }
    EXPECT_FALSE(PlatnoscPonadLimit(t, Bezp, 0));
}

#include "keys/ObszaryKlawiszy.h"
#include "tests/support/WzorObszarowKlawiszy.h"

#include <gtest/gtest.h>

using namespace orbaklaw;

using test::Obszar;
using test::Obszary;

TEST(KlawiszWPunkcie, CornersAreInsideAndOneBeyondIsOutside) {
    const auto uklad = UkladPierwszychLinii();
    for (const auto& o : Obszary) {
        for (int x : {o.x1, o.x2})
            for (int y : {o.y1, o.y2})
                EXPECT_EQ(KlawiszWPunkcie(uklad, x, y), o.nr) << x << "," << y;
        EXPECT_NE(KlawiszWPunkcie(uklad, o.x1 - 1, o.y1), o.nr);
        EXPECT_NE(KlawiszWPunkcie(uklad, o.x2 + 1, o.y1), o.nr);
        EXPECT_NE(KlawiszWPunkcie(uklad, o.x1, o.y1 - 1), o.nr);
        EXPECT_NE(KlawiszWPunkcie(uklad, o.x1, o.y2 + 1), o.nr);
    }
}

TEST(KlawiszWPunkcie, PointsBetweenKeysChooseNothing) {
    const auto uklad = UkladPierwszychLinii();
    EXPECT_EQ(KlawiszWPunkcie(uklad, 84, 45), std::nullopt);
    EXPECT_EQ(KlawiszWPunkcie(uklad, 0, 0), std::nullopt);
    EXPECT_EQ(KlawiszWPunkcie(uklad, 357, 405), std::nullopt);
    EXPECT_EQ(KlawiszWPunkcie(uklad, 79, 150), 16); // digit 7 reaches left of its field
}

TEST(KlawiszWPunkcie, AreasFollowTheFieldsAsTheyStandNow) {
    auto uklad = UkladPierwszychLinii();
    uklad[0] = {200, 300, 10, 10};
    EXPECT_EQ(KlawiszWPunkcie(uklad, 84, 12), std::nullopt);
    EXPECT_EQ(KlawiszWPunkcie(uklad, 205, 318), 0); // F1 is tested before digit 2
}

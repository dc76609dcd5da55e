#include "keys/ObszaryKlawiszy.h"

#include <gtest/gtest.h>

using namespace orbaklaw;

struct Obszar {
    int nr, x1, x2, y1, y2;
};

// The areas as the first-line fields are laid out, edges inclusive.
const Obszar Obszary[] = {
    {0, 84, 130, 12, 44},     {1, 153, 202, 12, 44},   {2, 223, 271, 12, 44},
    {3, 295, 345, 12, 44},    {4, 11, 59, 78, 116},    {5, 84, 130, 79, 111},
    {6, 152, 201, 79, 111},   {7, 223, 271, 78, 110},  {8, 295, 345, 78, 110},
    {9, 79, 131, 346, 378},   {10, 79, 131, 280, 312}, {11, 150, 202, 280, 312},
    {12, 217, 273, 280, 312}, {13, 79, 131, 213, 245}, {14, 150, 202, 213, 245},
    {15, 215, 275, 213, 247}, {16, 79, 131, 145, 177}, {17, 150, 202, 145, 177},
    {18, 219, 271, 145, 177},
};

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

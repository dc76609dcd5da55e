#include "appearance/PlikBmp.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbaklaw {
namespace {

uint32_t Czytaj32(const std::string& s, size_t i) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<uint8_t>(s[i + static_cast<size_t>(k)]);
    return v;
}

TEST(PlikBmp, HeaderOfTheInsertPicture) {
    std::vector<uint8_t> rgb(1314 * 3 * 1219, 0);
    const std::string plik = KodujBmp24(1314, 1219, rgb.data(), 1314 * 3);
    EXPECT_EQ(WierszBmp24(1314), 3944u);
    EXPECT_EQ(plik.size(), 54u + 3944u * 1219u);
    EXPECT_EQ(plik.substr(0, 2), "BM");
    EXPECT_EQ(Czytaj32(plik, 2), plik.size());
    EXPECT_EQ(Czytaj32(plik, 10), 54u);
    EXPECT_EQ(Czytaj32(plik, 18), 1314u);
    EXPECT_EQ(Czytaj32(plik, 22), 1219u);
    EXPECT_EQ(static_cast<uint8_t>(plik[28]), 24);
    EXPECT_EQ(Czytaj32(plik, 38), 11811u); // 300 pixels per inch
}

TEST(PlikBmp, RowsBottomUpWithZeroPadding) {
    // 1 x 2 in blue, green, red order: red on top, blue below; the source's
    // own row padding (9s) never reaches the file.
    const uint8_t bgr[] = {0, 0, 255, 9, 9, 9, 255, 0, 0, 9, 9, 9};
    const std::string plik = KodujBmp24(1, 2, bgr, 6);
    ASSERT_EQ(plik.size(), 54u + 8u);
    const std::string dane = plik.substr(54);
    EXPECT_EQ(dane, std::string("\xFF\0\0\0\0\0\xFF\0", 8));
}

} // namespace
} // namespace orbaklaw

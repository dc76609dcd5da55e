#include "appearance/RozmiarWydruku.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(RozmiarWydruku, TrueSizeOnEveryResolution) {
    const std::pair<double, RozmiarNaWydruku> przypadki[] = {
        {300, {1314, 1219}},  {360, {1576, 1462}}, {600, {2628, 2438}},
        {1200, {5256, 4876}}, {96, {420, 390}},    {0, {0, 0}}};
    for (auto [dpi, rozmiar] : przypadki)
        EXPECT_EQ(RozmiarWydruku(1314, 1219, dpi, dpi), rozmiar) << dpi;
    EXPECT_EQ(RozmiarWydruku(1314, 1219, 600, 300), (RozmiarNaWydruku{2628, 1219}));
}

} // namespace
} // namespace orbaklaw

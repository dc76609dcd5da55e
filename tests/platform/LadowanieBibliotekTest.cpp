#include "platform/LadowanieBibliotek.h"

#include <gtest/gtest.h>

namespace orbaklaw::platform {
namespace {

TEST(LadowanieBibliotek, MissingLibraryGivesNoneAndTheSystemsReason) {
    std::string powod;
    const auto plik = std::filesystem::temp_directory_path() / "orbaklaw-nie-ma-takiej.bib";
    EXPECT_EQ(ZaladujBiblioteke(plik, &powod), nullptr);
    EXPECT_FALSE(powod.empty());
}

} // namespace
} // namespace orbaklaw::platform

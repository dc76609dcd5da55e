#include "platform/BlokadaPliku.h"
#include "platform/KodowanieSciezek.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orbaklaw::platform {
namespace {

TEST(BlokadaPliku, SecondHolderIsRefusedUntilTheFirstCloses) {
    const auto sciezka = std::filesystem::temp_directory_path() / "orbaklaw-blokada-testu";
    const std::string bajty = BajtySciezki(sciezka);
    const int pierwszy = OtworzPlikBlokady(bajty.c_str());
    const int drugi = OtworzPlikBlokady(bajty.c_str());
    ASSERT_GE(pierwszy, 0);
    ASSERT_GE(drugi, 0);
    EXPECT_TRUE(ZablokujWylacznie(pierwszy));
    EXPECT_FALSE(ZablokujWylacznie(drugi));
    ZamknijPlikBlokady(pierwszy);
    EXPECT_TRUE(ZablokujWylacznie(drugi));
    ZamknijPlikBlokady(drugi);
    std::filesystem::remove(sciezka);
}

} // namespace
} // namespace orbaklaw::platform

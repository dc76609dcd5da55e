#include "platform/BlokadaPliku.h"
#include "platform/FolderTymczasowy.h"
#include "platform/KodowanieSciezek.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orbaklaw::platform {
namespace {

TEST(BlokadaPliku, SecondHolderIsRefusedUntilTheFirstCloses) {
    // A folder of this run's own: another test run at the same time holds
    // a lock file of its own.
    std::error_code blad;
    const auto folder =
        UtworzFolderTymczasowy(std::filesystem::temp_directory_path(), "orbaklaw-blokada-", blad);
    ASSERT_FALSE(blad);
    const auto sciezka = folder / "blokada";
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
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace orbaklaw::platform

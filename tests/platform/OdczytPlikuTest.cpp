#include "platform/OdczytPliku.h"
#include "platform/FolderTymczasowy.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace orbaklaw::platform {
namespace {

namespace fs = std::filesystem;

TEST(OdczytPliku, AFileIsReadByteForByteAndAFolderIsToldApart) {
    std::error_code blad;
    const fs::path folder = UtworzFolderTymczasowy(fs::temp_directory_path(), "orbaklaw-o-", blad);
    ASSERT_FALSE(blad);
    const std::string tresc = "#01\r\n#\r\n#\r\n\x1a\xff";
    std::ofstream(folder / "klawisz.txt", std::ios::binary) << tresc;

    const int plik = OtworzDoCzytania(folder / "klawisz.txt");
    ASSERT_GE(plik, 0);
    auto rodzaj = RodzajPliku::Inny;
    uintmax_t rozmiar = 0;
    ASSERT_TRUE(RodzajIRozmiar(plik, rodzaj, rozmiar));
    EXPECT_EQ(rodzaj, RodzajPliku::Zwykly);
    EXPECT_EQ(rozmiar, tresc.size());
    EXPECT_TRUE(CzytajZCzekaniem(plik));
    char bufor[64];
    const long long n = CzytajCzescPliku(plik, bufor, sizeof bufor);
    EXPECT_EQ(std::string(bufor, n > 0 ? static_cast<size_t>(n) : 0), tresc);
    EXPECT_EQ(CzytajCzescPliku(plik, bufor, sizeof bufor), 0);
    ZamknijPlik(plik);

    const int katalog = OtworzDoCzytania(folder);
    if (katalog < 0) {
        EXPECT_EQ(errno, EISDIR);
    } else {
        ASSERT_TRUE(RodzajIRozmiar(katalog, rodzaj, rozmiar));
        EXPECT_EQ(rodzaj, RodzajPliku::Katalog);
        ZamknijPlik(katalog);
    }
    EXPECT_LT(OtworzDoCzytania(folder / "nie-ma.txt"), 0);
    EXPECT_EQ(errno, ENOENT);
    fs::remove_all(folder);
}

} // namespace
} // namespace orbaklaw::platform

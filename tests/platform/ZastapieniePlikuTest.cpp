#include "platform/ZastapieniePliku.h"
#include "platform/FolderTymczasowy.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace orbaklaw::platform {
namespace {

namespace fs = std::filesystem;

void Zapisz(const fs::path& plik, const std::string& tresc) {
    std::ofstream(plik, std::ios::binary) << tresc;
}

std::string Czytaj(const fs::path& plik) {
    std::ifstream we(plik, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(we), {});
}

TEST(ZastapieniePliku, TheNewFileTakesTheTargetsPlaceWhetherOrNotItWasThere) {
    std::error_code blad;
    const fs::path folder = UtworzFolderTymczasowy(fs::temp_directory_path(), "orbaklaw-z-", blad);
    ASSERT_FALSE(blad);
    for (const bool celByl : {true, false}) {
        const fs::path nowy = folder / "nowy.tmp";
        const fs::path cel = folder / "KLAWISZ.TXT";
        fs::remove(cel);
        if (celByl)
            Zapisz(cel, "stary\r\n");
        Zapisz(nowy, "#01\r\n#\r\n#\r\n");
        EXPECT_TRUE(ZastapPlik(nowy, cel, blad)) << blad.message();
        EXPECT_EQ(Czytaj(cel), "#01\r\n#\r\n#\r\n");
        EXPECT_FALSE(fs::exists(nowy));
    }
    EXPECT_FALSE(ZastapPlik(folder / "nie-ma", folder / "cel", blad));
    EXPECT_TRUE(blad);
    fs::remove_all(folder);
}

TEST(ZastapieniePliku, AnOpenFileIsWrittenThrough) {
    std::error_code blad;
    std::FILE* plik = std::tmpfile();
    ASSERT_NE(plik, nullptr);
    std::fputs("dane", plik);
    std::fflush(plik);
    EXPECT_TRUE(UtrwalPlik(fileno(plik), blad)) << blad.message();
    std::fclose(plik);
    EXPECT_FALSE(UtrwalPlik(-1, blad));
}

} // namespace
} // namespace orbaklaw::platform

#include "platform/Dopisywanie.h"
#include "platform/FolderTymczasowy.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace orbaklaw::platform {
namespace {

namespace fs = std::filesystem;

TEST(Dopisywanie, EachOpeningAppendsItsBytesAsWritten) {
    std::error_code blad;
    const fs::path folder = UtworzFolderTymczasowy(fs::temp_directory_path(), "orbaklaw-d-", blad);
    ASSERT_FALSE(blad);
    const fs::path raport = folder / "RAPORT.TXT";
    for (const char* linia : {"pierwsza\r\n", "druga\r\n"}) {
        const int plik = OtworzDoDopisywania(raport);
        ASSERT_GE(plik, 0);
        std::FILE* strumien = StrumienDopisywania(plik);
        ASSERT_NE(strumien, nullptr);
        std::fputs(linia, strumien);
        std::fclose(strumien);
    }
    std::ifstream we(raport, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(we), {}), "pierwsza\r\ndruga\r\n");
    we.close();
    EXPECT_LT(OtworzDoDopisywania(folder / "nie-ma" / "RAPORT.TXT"), 0);
    fs::remove_all(folder);
}

} // namespace
} // namespace orbaklaw::platform

#include "platform/TozsamoscPliku.h"
#include "platform/FolderTymczasowy.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orbaklaw::platform {
namespace {

namespace fs = std::filesystem;

TEST(TozsamoscPliku, OneFileUnderTwoNamesIsOneFileTwoFilesAreTwo) {
    std::error_code blad;
    const fs::path folder = UtworzFolderTymczasowy(fs::temp_directory_path(), "orbaklaw-t-", blad);
    ASSERT_FALSE(blad);
    std::ofstream(folder / "a.txt") << "a";
    std::ofstream(folder / "b.txt") << "a";
    fs::create_hard_link(folder / "a.txt", folder / "dowiazanie.txt", blad);
    ASSERT_FALSE(blad) << blad.message();
    const struct {
        fs::path a, b;
        std::optional<bool> wynik;
    } przypadki[] = {
        {folder / "a.txt", folder / "a.txt", true},
        {folder / "a.txt", folder / "." / "a.txt", true},
        {folder / "a.txt", folder / ".." / folder.filename() / "a.txt", true},
        {folder / "a.txt", folder / "dowiazanie.txt", true},
        {folder / "a.txt", folder / "b.txt", false},
        {folder / "a.txt", folder / "nie-ma.txt", std::nullopt},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(TenSamPlik(p.a, p.b), p.wynik) << p.a << " " << p.b;
    fs::remove_all(folder);
}

} // namespace
} // namespace orbaklaw::platform

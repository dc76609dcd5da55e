#include "platform/FolderTymczasowy.h"

#include <gtest/gtest.h>

namespace orbaklaw::platform {
namespace {

namespace fs = std::filesystem;

TEST(FolderTymczasowy, EachCallMakesANewEmptyFolderOrSaysWhyNot) {
    std::error_code blad;
    const fs::path w = fs::temp_directory_path();
    const fs::path a = UtworzFolderTymczasowy(w, "orbaklaw-t-", blad);
    EXPECT_FALSE(blad);
    const fs::path b = UtworzFolderTymczasowy(w, "orbaklaw-t-", blad);
    EXPECT_FALSE(blad);
    EXPECT_NE(a, b);
    for (const fs::path& f : {a, b}) {
        EXPECT_TRUE(fs::is_directory(f)) << f;
        EXPECT_TRUE(fs::is_empty(f)) << f;
        EXPECT_EQ(f, w / f.filename());
        EXPECT_EQ(f.filename().string().rfind("orbaklaw-t-", 0), 0u);
        fs::remove(f);
    }
    EXPECT_EQ(UtworzFolderTymczasowy(w / "orbaklaw-nie-ma-takiego" / "x", "t-", blad), fs::path());
    EXPECT_TRUE(blad);
}

} // namespace
} // namespace orbaklaw::platform

#include "files/NazwyPlikow.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(NazwyPlikow, ReservedNamesInAnyFolderAndCase) {
    for (const char* zla : {"KONFIG.TXT", "konfig.txt", "/home/x/Konfig.Txt",
                            "C:\\KASA\\KONFIG.TXT", "raport.txt", "dir/RAPORT.TXT"})
        EXPECT_TRUE(NazwaZastrzezona(zla)) << zla;
    for (const char* dobra :
         {"konfig", "konfig.bmp", "konfig.txt.bak", "xkonfig.txt", "konfig.txt/plan.txt", ""})
        EXPECT_FALSE(NazwaZastrzezona(dobra)) << dobra;
}

TEST(NazwyPlikow, ExtensionReplacedOrAdded) {
    const std::pair<const char*, const char*> przypadki[] = {{"plan.bm0", "plan.bmp"},
                                                             {"plan", "plan.bmp"},
                                                             {"/a.b/plan", "/a.b/plan.bmp"},
                                                             {"/a/plan.x.y", "/a/plan.x.bmp"},
                                                             {"C:\\K.A\\plan", "C:\\K.A\\plan.bmp"},
                                                             {"@#$.bmp", "@#$.bmp"}};
    for (auto [we, wy] : przypadki)
        EXPECT_EQ(ZmienRozszerzenie(we, ".bmp"), wy) << we;
    EXPECT_EQ(CzescNazwy("/a/b/KONFIG.TXT"), "KONFIG.TXT");
}

} // namespace
} // namespace orbaklaw

#include "app/NazwaJedynejKopii.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(NazwaJedynejKopii, BlanksAndBackslashesBecomeUnderscores) {
    EXPECT_EQ(NormalizujUnique("VARKOORBA123", "/x"), "VARKOORBA123");
    EXPECT_EQ(NormalizujUnique("KASA 1\\X", "/x"), "KASA_1_X");
    EXPECT_EQ(NormalizujUnique("", "C:\\Program Files\\orbaklaw.exe"),
              "C:_Program_Files_orbaklaw.exe");
    EXPECT_EQ(NormalizujUnique("", "/opt/moje programy/orbaklaw"), "/opt/moje_programy/orbaklaw");
}

TEST(NazwaJedynejKopii, LockFileNamesKeepDifferentPathsApart) {
    EXPECT_EQ(NazwaPlikuBlokady("VARKOORBA123"), "VARKOORBA123");
    EXPECT_EQ(NazwaPlikuBlokady("/opt/a"), "%2Fopt%2Fa");
    EXPECT_NE(NazwaPlikuBlokady("/a_b"), NazwaPlikuBlokady("/a/b"));
    EXPECT_NE(NazwaPlikuBlokady("%2F"), NazwaPlikuBlokady("/"));
}

} // namespace
} // namespace orbaklaw

// The program loads its busy cursor before the application object exists;
// this test runs without one.

#include "widgets/KursorKlepsydry.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(KursorPrzedAplikacja, LoadsAndCountsCallsWithoutAnApplication) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    KursorKlepsydry kursor;
    EXPECT_TRUE(kursor.Wczytaj(QStringLiteral(ORBAKLAW_RESOURCES "/hourglas.ani")));
    EXPECT_TRUE(kursor.Animowany());
    kursor.Pokaz();
    EXPECT_TRUE(kursor.Widoczny());
    kursor.Przywroc();
    EXPECT_FALSE(kursor.Widoczny());
}

} // namespace
} // namespace orbaklaw

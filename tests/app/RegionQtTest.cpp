// Qt's file dialogs show sizes and dates in the system's locale: started as
// the program starts, Qt's system locale is Polish whatever the user's, and
// the C library's numbers stay those of C. A process of its own, since Qt
// reads the environment once.

#include "app/TlumaczenieQt.h"
#include "platform/Srodowisko.h"

#include <QApplication>
#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(RegionQt, FileDialogsSizesAndDatesArePolish) {
    const QLocale systemowy = QLocale::system();
    EXPECT_EQ(systemowy.language(), QLocale::Polish);
    EXPECT_EQ(systemowy.toString(QDate(2026, 3, 5), QStringLiteral("MMMM")),
              QStringLiteral("marca"));
    EXPECT_FALSE(systemowy.formattedDataSize(500).contains(QStringLiteral("bytes")))
        << systemowy.formattedDataSize(500).toStdString();
    EXPECT_EQ(systemowy.formattedDataSize(1536), QStringLiteral("1,50 KiB"));
}

TEST(RegionQt, TheCLibraryKeepsItsDecimalPoint) {
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%.2f", 98.6);
    EXPECT_STREQ(tekst, "98.60");
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // A user of another language, as a test machine often is.
    (void)orbaklaw::platform::UstawZmienna("LC_ALL", "C.UTF-8");
    (void)orbaklaw::platform::UstawZmienna("LANG", "en_US.UTF-8");
    if (!orbaklaw::platform::Zmienna("QT_QPA_PLATFORM"))
        (void)orbaklaw::platform::UstawZmienna("QT_QPA_PLATFORM", "offscreen");
    orbaklaw::UstawPolskiRegionQt();
    QApplication aplikacja(argc, argv);
    orbaklaw::PrzywrocRegionC();
    return RUN_ALL_TESTS();
}

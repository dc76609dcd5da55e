// Qt's file dialogs show sizes and dates in the system's locale: started as
// the program starts, Qt's system locale is Polish whatever the user's, and
// the C library's numbers stay those of C. A process of its own, since Qt
// reads the environment once.

#include "app/TlumaczenieQt.h"
#include "app/UzupelnienieTlumaczenia.h"
#include "platform/Srodowisko.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QTranslator>

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

// The print dialog's texts, Qt's own translation and what it lacks, as the
// program installs them.
TEST(RegionQt, ThePrintDialogIsPolish) {
    QTranslator qt;
    ASSERT_TRUE(orbaklaw::WczytajTlumaczenieQt(qt));
    QCoreApplication::installTranslator(&qt);
    orbaklaw::UzupelnienieTlumaczenia uzupelnienie;
    QCoreApplication::installTranslator(&uzupelnienie);
    const struct {
        const char* tekst;
        const char* polski;
    } teksty[] = {{"Pages from", "Strony od"},
                  {"Pages", "Strony"},
                  {"Double Sided Printing", "Druk dwustronny"},
                  {"Off", "Wyłączony"},
                  {"Long side binding", "Łączenie wzdłuż dłuższej krawędzi"},
                  {"Short side binding", "Łączenie wzdłuż krótszej krawędzi"}};
    for (const auto& t : teksty)
        EXPECT_EQ(QCoreApplication::translate("QPrintSettingsOutput", t.tekst),
                  QString::fromUtf8(t.polski));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Drukowanie"));
    QCoreApplication::removeTranslator(&uzupelnienie);
    QCoreApplication::removeTranslator(&qt);
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

// The insert printed through Qt's PDF printer at several resolutions, then
// rendered by poppler and measured on the page.
#include "appearance/DrukWkladki.h"
#include "PomiarStrony.h"
#include "appearance/ZapisPdf.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QApplication>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

using test::Milimetr;
using test::Pomiar;
using test::RozdzielczoscPomiaru;
using test::ZmierzStrone;

class DrukWPrawdziwymRozmiarze : public testing::TestWithParam<int> {};

TEST_P(DrukWPrawdziwymRozmiarze, TrueSizeFromThePrintableCorner) {
    test::KatalogTymczasowy katalog;
    const QString pdf = QString::fromStdString((katalog / "wydruk.pdf").string());
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(pdf);
    drukarka.setResolution(GetParam());
    // Whole points: the PDF page keeps its margins in points.
    drukarka.setPageMargins(QMarginsF(34, 25, 34, 25), QPageLayout::Point);

    QImage wkladka(1314, 1219, QImage::Format_RGB888);
    wkladka.fill(Qt::black);
    const auto wynik = DrukujWkladke(drukarka, wkladka);
    ASSERT_TRUE(wynik.udany) << wynik.blad.toStdString();
    EXPECT_EQ(drukarka.docName(), "VARKO Orba klawiatura");

    const Pomiar p = ZmierzStrone(pdf, QString::fromStdString(katalog.sciezka().string()));
    const double tolerancja = 2 * Milimetr / RozdzielczoscPomiaru + Milimetr / GetParam();
    EXPECT_NEAR(p.szerokoscMm, 111.25, tolerancja);
    EXPECT_NEAR(p.wysokoscMm, 103.21, tolerancja);
    EXPECT_NEAR(p.lewoMm, 34 * Milimetr / 72, tolerancja);
    EXPECT_NEAR(p.goraMm, 25 * Milimetr / 72, tolerancja);
}

// "Wydruk" to a PDF file and orbaklaw-cli's PDF are saved as a whole file;
// the page is the one a printer gets.
TEST_P(DrukWPrawdziwymRozmiarze, APdfFileSavedWholeHasTheSamePage) {
    test::KatalogTymczasowy katalog;
    const QPageLayout uklad(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                            QMarginsF(34, 25, 34, 25), QPageLayout::Point);
    QImage wkladka(1314, 1219, QImage::Format_RGB888);
    wkladka.fill(Qt::black);
    EXPECT_TRUE(ZapiszPdfWkladki(wkladka, katalog / "wydruk.pdf", uklad, GetParam()));

    const Pomiar p = ZmierzStrone(QString::fromStdString((katalog / "wydruk.pdf").string()),
                                  QString::fromStdString(katalog.sciezka().string()));
    const double tolerancja = 2 * Milimetr / RozdzielczoscPomiaru + Milimetr / GetParam();
    EXPECT_NEAR(p.szerokoscMm, 111.25, tolerancja);
    EXPECT_NEAR(p.wysokoscMm, 103.21, tolerancja);
    EXPECT_NEAR(p.lewoMm, 34 * Milimetr / 72, tolerancja);
    EXPECT_NEAR(p.goraMm, 25 * Milimetr / 72, tolerancja);
}

INSTANTIATE_TEST_SUITE_P(Rozdzielczosci, DrukWPrawdziwymRozmiarze,
                         testing::Values(300, 360, 600, 1200));

TEST(DrukWkladki, AnEmptyPictureIsRefusedBeforeTheJobBegins) {
    QPrinter drukarka;
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName({});
    EXPECT_FALSE(DrukujWkladke(drukarka, QImage()).udany);
}

} // namespace
} // namespace orbaklaw

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The insert printed through Qt's PDF printer at several resolutions, then
// rendered by poppler and measured on the page.
#include "appearance/DrukWkladki.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QApplication>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

constexpr double Milimetr = 25.4;
constexpr int RozdzielczoscPomiaru = 600; // pixels per inch of the rendered page

struct Pomiar {
    double lewoMm, goraMm, szerokoscMm, wysokoscMm;
};

// The box of dark pixels on the first page of a PDF, in millimetres.
Pomiar ZmierzStrone(const QString& pdf, const QString& katalog) {
    QProcess::execute(PDFTOPPM, {"-r", QString::number(RozdzielczoscPomiaru), "-gray",
                                 "-singlefile", pdf, katalog + "/strona"});
    QImageReader czytnik(katalog + "/strona.pgm");
    czytnik.setAllocationLimit(1024); // an A4 page at 600 dpi
    const QImage strona = czytnik.read();
    EXPECT_FALSE(strona.isNull());
    int x1 = strona.width(), y1 = strona.height(), x2 = -1, y2 = -1;
    for (int y = 0; y < strona.height(); ++y) {
        const uchar* wiersz = strona.constScanLine(y);
        for (int x = 0; x < strona.width(); ++x) {
            if (wiersz[x] < 128) {
                x1 = std::min(x1, x);
                x2 = std::max(x2, x);
                y1 = std::min(y1, y);
                y2 = std::max(y2, y);
            }
        }
    }
    const double mm = Milimetr / RozdzielczoscPomiaru;
    return {x1 * mm, y1 * mm, (x2 - x1 + 1) * mm, (y2 - y1 + 1) * mm};
}

class DrukWkladkiTest : public testing::TestWithParam<int> {};

TEST_P(DrukWkladkiTest, TrueSizeFromThePrintableCorner) {
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

INSTANTIATE_TEST_SUITE_P(Rozdzielczosci, DrukWkladkiTest, testing::Values(300, 360, 600, 1200));

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

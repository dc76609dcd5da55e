#include "PomiarStrony.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>

namespace orbaklaw::test {

Pomiar ZmierzStrone(const QString& pdf, const QString& katalog) {
    QProcess::execute(PDFTOPPM, {"-r", QString::number(RozdzielczoscPomiaru), "-gray",
                                 "-singlefile", pdf, katalog + "/strona"});
    QImageReader czytnik(katalog + "/strona.pgm");
    czytnik.setAllocationLimit(1024); // an A4 page at 600 dpi
    const QImage strona = czytnik.read();
    EXPECT_FALSE(strona.isNull()) << pdf.toStdString();
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

} // namespace orbaklaw::test

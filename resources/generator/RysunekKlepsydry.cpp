#include "RysunekKlepsydry.h"

#include <QPainter>
#include <QPainterPath>

namespace orbaklaw::rysunek {

namespace {

constexpr int LiczbaKlatek = 8;
const QColor Ramka(40, 42, 48);
const QColor Szklo(250, 250, 252);
const QColor Piasek(214, 168, 64);

QPainterPath Banka(bool gorna) {
    QPainterPath p;
    const double y0 = gorna ? 4 : 28;
    const double y1 = 16;
    p.moveTo(8, y0);
    p.lineTo(24, y0);
    p.cubicTo(24, gorna ? 11 : 21, 17.5, y1 + (gorna ? -1 : 1), 16.5, y1);
    p.lineTo(15.5, y1);
    p.cubicTo(14.5, y1 + (gorna ? -1 : 1), 8, gorna ? 11 : 21, 8, y0);
    p.closeSubpath();
    return p;
}

QImage Klatka(int n) {
    QImage obraz(32, 32, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    QPainter m(&obraz);
    m.setRenderHint(QPainter::Antialiasing);
    const QPainterPath gorna = Banka(true);
    const QPainterPath dolna = Banka(false);
    m.fillPath(gorna, Szklo);
    m.fillPath(dolna, Szklo);
    const double czesc = double(n) / (LiczbaKlatek - 1);
    // Sand: the top level drops while the bottom heap grows.
    m.save();
    m.setClipPath(gorna);
    m.fillRect(QRectF(0, 5 + 10 * czesc, 32, 12), Piasek);
    m.restore();
    m.save();
    m.setClipPath(dolna);
    m.fillRect(QRectF(0, 27 - 10 * czesc, 32, 12), Piasek);
    m.restore();
    if (n < LiczbaKlatek - 1)
        m.fillRect(QRectF(15.5, 16, 1, 11 - 10 * czesc), Piasek);
    m.setPen(QPen(Ramka, 1.4));
    m.drawPath(gorna);
    m.drawPath(dolna);
    m.setPen(QPen(Ramka, 2.2, Qt::SolidLine, Qt::RoundCap));
    m.drawLine(QPointF(6, 3), QPointF(26, 3));
    m.drawLine(QPointF(6, 29), QPointF(26, 29));
    return obraz;
}

} // namespace

std::vector<QImage> KlatkiKlepsydry() {
    std::vector<QImage> klatki;
    for (int n = 0; n < LiczbaKlatek; ++n)
        klatki.push_back(Klatka(n));
    return klatki;
}

} // namespace orbaklaw::rysunek

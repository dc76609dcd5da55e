#include "RysunekIkony.h"

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <vector>

namespace orbaklaw::rysunek {

namespace {

// The icon is laid out on a 64 × 64 grid.
constexpr double Siatka = 64;

struct Ksztalt {
    QRectF miejsce;
    double promien;
    QColor kolor;
};

std::vector<Ksztalt> Ksztalty() {
    std::vector<Ksztalt> k;
    k.push_back({{4, 4, 56, 56}, 8, QColor(48, 52, 62)});      // the body
    k.push_back({{10, 10, 44, 12}, 3, QColor(120, 200, 150)}); // the display
    const QColor klawisz(236, 238, 242);
    const QColor wybrany(232, 140, 40);
    for (int wiersz = 0; wiersz < 3; ++wiersz) {
        for (int kolumna = 0; kolumna < 3; ++kolumna) {
            const QRectF miejsce(10 + kolumna * 15.5, 27 + wiersz * 10.5, 13, 8);
            k.push_back({miejsce, 2, wiersz == 1 && kolumna == 2 ? wybrany : klawisz});
        }
    }
    return k;
}

QByteArray Liczba(double x) {
    return QByteArray::number(x, 'g', 6);
}

} // namespace

QByteArray IkonaSvg() {
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                     "viewBox=\"0 0 64 64\">\n";
    for (const Ksztalt& k : Ksztalty()) {
        svg += "  <rect x=\"" + Liczba(k.miejsce.x()) + "\" y=\"" + Liczba(k.miejsce.y()) +
               "\" width=\"" + Liczba(k.miejsce.width()) + "\" height=\"" +
               Liczba(k.miejsce.height()) + "\" rx=\"" + Liczba(k.promien) + "\" fill=\"" +
               k.kolor.name().toLatin1() + "\"/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

QImage IkonaPng(int rozmiar) {
    QImage obraz(rozmiar, rozmiar, QImage::Format_ARGB32);
    obraz.fill(Qt::transparent);
    QPainter m(&obraz);
    m.setRenderHint(QPainter::Antialiasing);
    m.scale(rozmiar / Siatka, rozmiar / Siatka);
    m.setPen(Qt::NoPen);
    for (const Ksztalt& k : Ksztalty()) {
        m.setBrush(k.kolor);
        m.drawRoundedRect(k.miejsce, k.promien, k.promien);
    }
    return obraz;
}

} // namespace orbaklaw::rysunek

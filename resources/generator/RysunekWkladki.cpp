#include "RysunekWkladki.h"

#include "RysunekKlawiatury.h"

#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/SzablonWkladki.h"

#include <QPainterPath>

namespace orbaklaw::rysunek {

namespace {

constexpr double MetrowNaCal = 0.0254;

void RysujZakladke(QPainter& malarz, int szerokosc, int wysokosc) {
    malarz.setRenderHint(QPainter::Antialiasing);
    QPainterPath zakladka;
    zakladka.addRoundedRect(QRectF(18, 60, szerokosc - 36, wysokosc - 120), 40, 40);
    malarz.fillPath(zakladka, QColor(236, 237, 240));
    malarz.setPen(QPen(QColor(150, 152, 158), 3));
    malarz.drawPath(zakladka);

    malarz.save();
    malarz.translate(szerokosc / 2.0, wysokosc / 2.0);
    malarz.rotate(-90);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(78);
    malarz.setFont(f);
    malarz.setPen(QColor(70, 72, 78));
    malarz.drawText(QRectF(-wysokosc / 2.0, -90, wysokosc, 100), Qt::AlignCenter,
                    QStringLiteral("VARKO  ORBA"));
    f.setBold(false);
    f.setPixelSize(44);
    malarz.setFont(f);
    malarz.drawText(QRectF(-wysokosc / 2.0, 20, wysokosc, 70), Qt::AlignCenter,
                    QStringLiteral("wkładka klawiatury"));
    malarz.restore();

    // The fold between the tab and the keyboard.
    malarz.setPen(QPen(QColor(120, 122, 128), 3, Qt::DashLine));
    malarz.drawLine(QPointF(szerokosc - 2, 0), QPointF(szerokosc - 2, wysokosc));
}

} // namespace

QImage RysujWkladke() {
    const QSize rozmiar = RozmiarSzablonuWkladki;
    QImage wkladka(rozmiar, QImage::Format_RGB888);
    wkladka.fill(Qt::white);
    const int dpm = qRound(DpiWkladki / MetrowNaCal);
    wkladka.setDotsPerMeterX(dpm);
    wkladka.setDotsPerMeterY(dpm);

    QPainter malarz(&wkladka);
    RysujZakladke(malarz, PrzesuniecieWkladki - 3, rozmiar.height());
    const SkalaWkladki skala = ObliczSkaleWkladki(rozmiar, RozmiarPolaKlawiatury);
    malarz.translate(PrzesuniecieWkladki, 0);
    malarz.scale(skala.sx, skala.sy);
    malarz.setClipRect(QRectF(0, 0, 358, 406));
    RysujKlawiature(malarz, Styl::Papier);
    return wkladka;
}

} // namespace orbaklaw::rysunek

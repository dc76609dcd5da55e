#include "appearance/StronaKalibracji.h"

#include "appearance/OdmowaDruku.h"

#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace orbaklaw {

namespace {

constexpr double MmNaCal = 25.4;

// Millimetres to the printer's pixels.
class Skala {
public:
    explicit Skala(const QPrinter& drukarka)
        : x_(drukarka.logicalDpiX() / MmNaCal), y_(drukarka.logicalDpiY() / MmNaCal) {}
    QPointF P(double xMm, double yMm) const { return {xMm * x_, yMm * y_}; }
    QRectF R(double xMm, double yMm, double wMm, double hMm) const {
        return {P(xMm, yMm), P(xMm + wMm, yMm + hMm)};
    }

private:
    double x_, y_;
};

double DlugoscKreski(int mm) {
    return mm % 10 == 0 ? 5.0 : mm % 5 == 0 ? 3.5 : 2.0;
}

// Across the page from (x, y), ticks downwards, every tenth numbered.
void LinijkaPozioma(QPainter& p, const Skala& s, double x, double y) {
    p.drawLine(s.P(x, y), s.P(x + DlugoscLinijkiMm, y));
    for (int mm = 0; mm <= DlugoscLinijkiMm; ++mm) {
        p.drawLine(s.P(x + mm, y), s.P(x + mm, y + DlugoscKreski(mm)));
        if (mm % 10 == 0)
            p.drawText(s.R(x + mm - 5, y + 5.5, 10, 4), Qt::AlignCenter, QString::number(mm));
    }
}

// Down the page from (x, y), ticks to the right.
void LinijkaPionowa(QPainter& p, const Skala& s, double x, double y) {
    p.drawLine(s.P(x, y), s.P(x, y + DlugoscLinijkiMm));
    for (int mm = 0; mm <= DlugoscLinijkiMm; ++mm) {
        p.drawLine(s.P(x, y + mm), s.P(x + DlugoscKreski(mm), y + mm));
        if (mm % 10 == 0)
            p.drawText(s.R(x + 6, y + mm - 2, 10, 4), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::number(mm));
    }
}

void RysujStrone(QPainter& p, const QPrinter& drukarka) {
    const Skala s(drukarka);
    QPen pioro(Qt::black);
    pioro.setWidthF(0.2 * drukarka.logicalDpiX() / MmNaCal);
    p.setPen(pioro);
    QFont czcionka(QStringLiteral("DejaVu Sans"));
    czcionka.setPointSizeF(8);
    p.setFont(czcionka);

    p.drawRect(s.R(0, 0, SzerokoscWkladkiMm, WysokoscWkladkiMm));
    p.drawText(s.R(5, 40, SzerokoscWkladkiMm - 10, 20), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Obrys wkładki: %1 × %2 mm")
                   .arg(QLocale(QLocale::Polish).toString(SzerokoscWkladkiMm, 'f', 2),
                        QLocale(QLocale::Polish).toString(WysokoscWkladkiMm, 'f', 2)));
    LinijkaPozioma(p, s, 0, WysokoscWkladkiMm + 12);
    LinijkaPionowa(p, s, SzerokoscWkladkiMm + 12, 0);
    p.drawText(
        s.R(0, WysokoscWkladkiMm + 28, 160, 40), Qt::AlignLeft | Qt::TextWordWrap,
        QStringLiteral("Kalibracja drukarki%1.\nZmierz obie linijki od kreski 0 do "
                       "kreski 100 (każda powinna mieć 100 mm) i wpisz wyniki w oknie "
                       "„Kalibracja drukarki” programu. Program poprawi według nich "
                       "każdy wydruk wkładki na tej drukarce.")
            .arg(drukarka.printerName().isEmpty() ? QString() : u' ' + drukarka.printerName()));
}

} // namespace

QString TytulKalibracji() {
    return QStringLiteral("Kalibracja drukarki");
}

WynikWydruku DrukujStroneKalibracji(QPrinter& drukarka) {
    drukarka.setDocName(TytulKalibracji());
    QPainter p;
    if (!p.begin(&drukarka))
        return {false, QStringLiteral("Nie można rozpocząć wydruku na drukarce %1.")
                           .arg(drukarka.printerName())};
    RysujStrone(p, drukarka);
    if (!p.end())
        return {false, NiePrzyjetoWydruku(drukarka, std::nullopt)};
    if (const auto powod = OdmowaDruku(drukarka))
        return {false, NiePrzyjetoWydruku(drukarka, powod)};
    return {};
}

} // namespace orbaklaw

#include "appearance/DrukWkladki.h"

#include "appearance/OdmowaDruku.h"
#include "appearance/RozmiarWydruku.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace orbaklaw {

namespace {

constexpr double MmNaCal = 25.4;

QRect ObszarObrazu(const QPaintDevice& drukarka, const QImage& obraz, KorektaDruku korekta) {
    const auto rozmiar =
        RozmiarWydruku(obraz.width(), obraz.height(), drukarka.logicalDpiX() * korekta.x,
                       drukarka.logicalDpiY() * korekta.y);
    return QRect(0, 0, rozmiar.szerokosc, rozmiar.wysokosc);
}

int GruboscLinii(const QPaintDevice& drukarka) {
    return std::max(
        1, static_cast<int>(std::lround(GruboscLiniiCieciaMm * drukarka.logicalDpiX() / MmNaCal)));
}

// Four bands just outside `obraz`, each `g` device pixels thick.
void RysujLinieCiecia(QPainter& rysik, const QRect& obraz, int g) {
    const QColor szary(SzaroscLiniiCiecia, SzaroscLiniiCiecia, SzaroscLiniiCiecia);
    const QRect zewnetrzny = obraz.adjusted(-g, -g, g, g);
    rysik.fillRect(QRect(zewnetrzny.left(), zewnetrzny.top(), zewnetrzny.width(), g), szary);
    rysik.fillRect(QRect(zewnetrzny.left(), obraz.bottom() + 1, zewnetrzny.width(), g), szary);
    rysik.fillRect(QRect(zewnetrzny.left(), obraz.top(), g, obraz.height()), szary);
    rysik.fillRect(QRect(obraz.right() + 1, obraz.top(), g, obraz.height()), szary);
}

} // namespace

void RysujObrazWkladki(QPainter& rysik, const QPaintDevice& strona, const QImage& obraz,
                       KorektaDruku korekta) {
    const QRect obszar = ObszarObrazu(strona, obraz, korekta);
    RysujLinieCiecia(rysik, obszar, GruboscLinii(strona));
    rysik.drawImage(obszar, obraz);
}

WynikWydruku RysujWkladke(QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta) {
    if (obraz.isNull())
        return {false, QStringLiteral("Brak obrazu wk\u0142adki do wydruku.")};
    drukarka.setDocName(QString::fromLatin1(TytulWydruku));
    QPainter rysik;
    if (!rysik.begin(&drukarka))
        return {false, QStringLiteral("Nie mo\u017cna rozpocz\u0105\u0107 wydruku na drukarce %1.")
                           .arg(drukarka.printerName())};
    RysujObrazWkladki(rysik, drukarka, obraz, korekta);
    if (!rysik.end())
        return {false, QStringLiteral("Drukarka %1 nie przyj\u0119\u0142a wydruku.")
                           .arg(drukarka.printerName())};
    return {};
}

WynikWydruku DrukujWkladke(QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta) {
    WynikWydruku wynik = RysujWkladke(drukarka, obraz, korekta);
    if (!wynik.udany)
        return wynik;
    // The job has ended either way; a refusal by the print service comes
    // only now, when Qt has handed the job over.
    if (const auto powod = OdmowaDruku(drukarka))
        return {false, QStringLiteral("Drukarka %1 nie przyj\u0119\u0142a wydruku: %2")
                           .arg(drukarka.printerName(), *powod)};
    return {};
}

KorektaDruku KorektaDlaDrukarki(const QPrinter& drukarka) {
    if (drukarka.outputFormat() != QPrinter::NativeFormat || !drukarka.outputFileName().isEmpty())
        return {};
    return KorektaDrukarki(drukarka.printerName().toStdString());
}

bool WkladkaMiesciSie(const QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta) {
    const int g = GruboscLinii(drukarka);
    const QRect zLinia = ObszarObrazu(drukarka, obraz, korekta).adjusted(0, 0, g, g);
    const QRect strona = drukarka.pageLayout().paintRectPixels(drukarka.resolution());
    return zLinia.width() <= strona.width() && zLinia.height() <= strona.height();
}

} // namespace orbaklaw

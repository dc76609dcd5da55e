#include "appearance/DrukWkladki.h"

#include "appearance/OdmowaDruku.h"
#include "appearance/RozmiarWydruku.h"

#include <QPainter>
#include <QPrinter>

namespace orbaklaw {

WynikWydruku DrukujWkladke(QPrinter& drukarka, const QImage& obraz) {
    if (obraz.isNull())
        return {false, QStringLiteral("Brak obrazu wk\u0142adki do wydruku.")};
    drukarka.setDocName(QString::fromLatin1(TytulWydruku));
    QPainter rysik;
    if (!rysik.begin(&drukarka))
        return {false, QStringLiteral("Nie mo\u017cna rozpocz\u0105\u0107 wydruku na drukarce %1.")
                           .arg(drukarka.printerName())};
    const auto rozmiar = RozmiarWydruku(obraz.width(), obraz.height(), drukarka.logicalDpiX(),
                                        drukarka.logicalDpiY());
    rysik.drawImage(QRect(0, 0, rozmiar.szerokosc, rozmiar.wysokosc), obraz);
    if (!rysik.end())
        return {false, QStringLiteral("Drukarka %1 nie przyj\u0119\u0142a wydruku.")
                           .arg(drukarka.printerName())};
    // The job has ended either way; a refusal by the print service comes
    // only now, when Qt has handed the job over.
    if (const auto powod = OdmowaDruku(drukarka))
        return {false, QStringLiteral("Drukarka %1 nie przyj\u0119\u0142a wydruku: %2")
                           .arg(drukarka.printerName(), *powod)};
    return {};
}

} // namespace orbaklaw

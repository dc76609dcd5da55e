#pragma once
// Prints the insert picture at its true size: 300 picture pixels to the inch,
// from the top-left corner of the page's printable area, on any printer; a
// printer the user calibrated gets its correction. A thin grey cut line runs
// around the picture, just outside it, so that the insert can be cut true.

#include "appearance/KalibracjaDrukarek.h"

#include <QImage>
#include <QString>

class QPainter;
class QPaintDevice;
class QPrinter;

namespace orbaklaw {

constexpr const char* TytulWydruku = "VARKO Orba klawiatura";

// The cut line: this wide, in this grey (light enough never to be taken for
// the picture's edge).
constexpr double GruboscLiniiCieciaMm = 0.1;
constexpr int SzaroscLiniiCiecia = 0xA0;

struct WynikWydruku {
    bool udany = true;
    QString blad; // why the printer refused, when not udany
};

// Draws the page on `drukarka` (a printer, a PDF or a preview): one page,
// and a job that was begun is ended whatever happens. The picture is never
// shrunk to fit the page.
// The insert at true size (scaled by `korekta`) at the top-left corner of
// the printable area of `strona`, with its cut line around it.
void RysujObrazWkladki(QPainter& rysik, const QPaintDevice& strona, const QImage& obraz,
                       KorektaDruku korekta = {});

WynikWydruku RysujWkladke(QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta = {});

// The same on a printer, then whether the print service took the job.
WynikWydruku DrukujWkladke(QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta = {});

// The user's correction of the printer `drukarka` prints on; none when it
// prints into a file, which has no scale of its own to correct.
KorektaDruku KorektaDlaDrukarki(const QPrinter& drukarka);

// Whether the picture and its cut line fit the printable area of the page.
bool WkladkaMiesciSie(const QPrinter& drukarka, const QImage& obraz, KorektaDruku korekta = {});

} // namespace orbaklaw

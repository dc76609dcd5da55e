#pragma once
// Prints the insert picture at its true size: 300 picture pixels to the inch,
// from the top-left corner of the page's printable area, on any printer.

#include <QImage>
#include <QString>

class QPrinter;

namespace orbaklaw {

constexpr const char* TytulWydruku = "VARKO Orba klawiatura";

struct WynikWydruku {
    bool udany = true;
    QString blad; // why the printer refused, when not udany
};

// One page, one job; a job that was begun is ended whatever happens.
WynikWydruku DrukujWkladke(QPrinter& drukarka, const QImage& obraz);

} // namespace orbaklaw

#pragma once
// The calibration page of a printer: two rulers of 100 mm, one across the
// page and one down, and the insert's outline, printed without any
// correction from the page's top-left printable corner. The user measures
// the rulers and types what they really are in "Kalibracja drukarki".

#include "appearance/DrukWkladki.h"

class QPrinter;

namespace orbaklaw {

constexpr double DlugoscLinijkiMm = 100.0;
constexpr double SzerokoscWkladkiMm = 111.25;
constexpr double WysokoscWkladkiMm = 103.21;

// The calibration window's caption, also the name of its print job.
QString TytulKalibracji();

// One page, one job; the print service's refusal is reported.
WynikWydruku DrukujStroneKalibracji(QPrinter& drukarka);

} // namespace orbaklaw

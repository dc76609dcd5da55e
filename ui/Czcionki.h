#pragma once
// The form design asks for "MS Sans Serif" and "Arial", which a Linux desktop
// rarely has: the family names are kept and the font system is told what to
// draw them with.

#include <QFont>

namespace orbaklaw {

// Registers the stand-ins; once, before the first window.
void UstawZastepstwaCzcionek();

// "MS Sans Serif" at `punkty` points.
QFont CzcionkaOkna(int punkty);
// "Arial" at `punkty` points.
QFont CzcionkaArial(int punkty);

} // namespace orbaklaw

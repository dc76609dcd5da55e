#pragma once
// The label fields' font when the program starts, which the insert's texts
// are drawn with until the user chooses another.

#include <QColor>
#include <QFont>

namespace orbaklaw {

QFont DomyslnaCzcionkaEtykiet();
QColor DomyslnyKolorEtykiet();

// Screen resolution the label font sizes are meant for.
constexpr double DomyslneDpiEkranu = 96.0;

} // namespace orbaklaw

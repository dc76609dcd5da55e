#include "appearance/CzcionkaEtykiet.h"

#include "ui/Czcionki.h"

namespace orbaklaw {

QFont DomyslnaCzcionkaEtykiet() {
    // The window's font, which the label fields take.
    return CzcionkaOkna(9);
}

QColor DomyslnyKolorEtykiet() {
    return Qt::black;
}

} // namespace orbaklaw

#include "appearance/CzcionkaEtykiet.h"

namespace orbaklaw {

QFont DomyslnaCzcionkaEtykiet() {
    QFont czcionka(QStringLiteral("MS Sans Serif"));
    czcionka.setPointSize(9);
    czcionka.setStyleHint(QFont::SansSerif); // where the face is missing, a plain sans serif
    return czcionka;
}

QColor DomyslnyKolorEtykiet() {
    return Qt::black;
}

} // namespace orbaklaw

#include "appearance/SzablonWkladki.h"

#include "appearance/ZasobyObrazow.h"

namespace orbaklaw {

QImage WczytajSzablonWkladki() {
    ZarejestrujZasobyObrazow();
    QImage szablon(QStringLiteral(":/obrazy/wkladka.bmp"), "BMP");
    if (szablon.isNull())
        return {};
    return szablon.convertToFormat(QImage::Format_RGB888);
}

} // namespace orbaklaw

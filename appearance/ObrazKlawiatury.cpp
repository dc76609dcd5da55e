#include "appearance/ObrazKlawiatury.h"

#include "appearance/DekoderJpeg.h"
#include "appearance/ZasobyObrazow.h"

#include <QFile>

namespace orbaklaw {

QImage WczytajObrazKlawiatury() {
    ZarejestrujZasobyObrazow();
    QFile plik(QStringLiteral(":/obrazy/klawiatura.jpg"));
    if (!plik.open(QIODevice::ReadOnly))
        return {};
    const QByteArray dane = plik.readAll();
    return DekodujJpeg(reinterpret_cast<const uint8_t*>(dane.constData()),
                       static_cast<size_t>(dane.size()));
}

} // namespace orbaklaw

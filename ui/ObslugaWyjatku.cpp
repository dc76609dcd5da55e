#include "ui/ObslugaWyjatku.h"

#include "ui/Dialogi.h"

#include <QWidget>

namespace orbaklaw {

ObslugaWyjatku::ObslugaWyjatku(Dialogi& dialogi, QWidget& oknoGlowne)
    : dialogi_(dialogi), oknoGlowne_(oknoGlowne) {}

QString ObslugaWyjatku::Tekst(const QString& komunikat) {
    return QStringLiteral("Wystąpił wyjątek: \r") + komunikat +
           QStringLiteral("\rAplikacja może pracować niestabilnie.\rCzy zakończyć program?");
}

void ObslugaWyjatku::operator()(const QString& komunikat) const {
    const OknoKomunikatu okno{Tekst(komunikat), QStringLiteral("Błąd wykonania programu"),
                              Ikona::Brak, Przyciski::TakNie};
    if (dialogi_.Pokaz(okno) == Odpowiedz::Tak)
        oknoGlowne_.close();
}

} // namespace orbaklaw

#include "appearance/PytanieOEtykietach.h"

#include "appearance/EtykietyKlawiszy.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

QString NiezapisaneEtykiety() {
    return QStringLiteral("Teksty na klawiszach zmienione od ostatniego odczytu lub zapisu nie "
                          "zostały zapisane do pliku.\r");
}

bool MoznaUtracicEtykiety(Dialogi& dialogi, const EtykietyKlawiszy& etykiety,
                          UtrataEtykiet utrata) {
    if (!etykiety.Zmienione())
        return true;
    const QString skutek =
        utrata == UtrataEtykiet::Zamkniecie
            ? QStringLiteral("Po zamknięciu programu zmiany zostaną utracone.\r"
                             "Czy mimo to zakończyć program?")
            : QStringLiteral("Odczyt zastąpi je tekstami z pliku.\r"
                             "Czy mimo to odczytać teksty na klawiszach z pliku?");
    return dialogi.Pytanie(NiezapisaneEtykiety() + skutek, QStringLiteral("Uwaga"), Odpowiedz::Nie);
}

} // namespace orbaklaw

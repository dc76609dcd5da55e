#include "transfer/NiepowodzenieKasy.h"

#include "format/KomunikatyBledow.h"
#include "orbaklaw/kasdrv_kody.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

#include <stdexcept>

namespace orbaklaw {

QString PowodNiepowodzenia(const WynikKasy& wynik) {
    switch (wynik.rodzaj) {
    case Niepowodzenie::Kasa:
        return Z1250(KomunikatBledu(wynik.kod)) +
               (wynik.powod.empty() ? QString() : QStringLiteral("\r") + Z1250(wynik.powod));
    case Niepowodzenie::Zapytanie:
        return QStringLiteral("Nie udało się stworzyć pliku wejściowego.");
    case Niepowodzenie::Odpowiedz:
        return Z1250(KomunikatBledu(KASDRV_ZLA_ODPOWIEDZ));
    case Niepowodzenie::Brak:
    case Niepowodzenie::Plik:
    case Niepowodzenie::Biblioteka:
    case Niepowodzenie::NumerKasy:
        break;
    }
    return Z1250(wynik.powod);
}

bool DalejBezKopii(Dialogi& dialogi, const WynikKasy& kopia, const QString& dalej) {
    if (kopia.Udany())
        return true;
    return dialogi.Pytanie(QStringLiteral("Nie udało się zachować kopii zapasowej definicji "
                                          "klawiszy z kasy:\r") +
                               PowodNiepowodzenia(kopia) + QStringLiteral("\r") + dalej,
                           QStringLiteral("Uwaga"), Odpowiedz::Nie);
}

void DoObslugiWyjatku(const WynikKasy& wynik) {
    throw std::runtime_error(wynik.powod);
}

} // namespace orbaklaw

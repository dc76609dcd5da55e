#include "transfer/NiepowodzenieKasy.h"

#include "comm/PowodNiedostepnosciPortu.h"
#include "comm/ZapisanaKonfiguracja.h"
#include "format/KomunikatyBledow.h"
#include "format/UrzadzeniePortu.h"
#include "orbaklaw/kasdrv_kody.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"

namespace orbaklaw {

namespace {

// The library could not open the port: what keeps the device of the port
// KONFIG.TXT names from opening (and how to get the permission), as the link
// test tells it; the library's own reason where the device shows nothing.
QString PrzyczynaPortu(const WynikKasy& wynik) {
    if (const auto konfiguracja = CzytajZapisanaKonfiguracje()) {
        const std::string urzadzenie =
            PowodNiedostepnosciPortu(UrzadzeniePortu(konfiguracja->ustawienia.port));
        if (!urzadzenie.empty())
            return Z1250(urzadzenie);
    }
    return Z1250(wynik.powod);
}

} // namespace

QString PowodNiepowodzenia(const WynikKasy& wynik) {
    switch (wynik.rodzaj) {
    case Niepowodzenie::Kasa:
        if (wynik.kod == KASDRV_TIMEOUT_NADAWANIA && !wynik.powod.empty())
            return PrzyczynaPortu(wynik) + QStringLiteral("\r") + Z1250(KomunikatBledu(wynik.kod));
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

void PokazNiepowodzenie(Dialogi& dialogi, const WynikKasy& wynik) {
    dialogi.Blad(PowodNiepowodzenia(wynik));
}

bool DalejBezKopii(Dialogi& dialogi, const WynikKasy& kopia, const QString& dalej) {
    if (kopia.Udany())
        return true;
    return dialogi.Pytanie(QStringLiteral("Nie udało się zachować kopii zapasowej definicji "
                                          "klawiszy z kasy:\r") +
                               PowodNiepowodzenia(kopia) + QStringLiteral("\r") + dalej,
                           QStringLiteral("Uwaga"), Odpowiedz::Nie);
}

void DoObslugiBledu(const Akcje& akcje, const WynikKasy& wynik) {
    akcje.Zglos(wynik.plik ? TekstBledu(*wynik.plik) : Z1250(wynik.powod));
}

} // namespace orbaklaw

#include "transfer/PytanieOZmianach.h"

#include "keys/StanKlawiszy.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

namespace {
QString Skutek(UtrataZmian utrata) {
    switch (utrata) {
    case UtrataZmian::Zamkniecie:
        return QStringLiteral("Po zamknięciu programu zmiany zostaną utracone.\r"
                              "Czy mimo to zakończyć program?");
    case UtrataZmian::OdczytZKasy:
        return QStringLiteral("Odczyt zastąpi je definicjami z kasy.\r"
                              "Czy mimo to odczytać definicje klawiszy z kasy?");
    case UtrataZmian::OdczytZPliku:
        break;
    }
    return QStringLiteral("Odczyt zastąpi je definicjami z pliku.\r"
                          "Czy mimo to odczytać definicje klawiszy z pliku?");
}
} // namespace

bool MoznaUtracicZmiany(Dialogi& dialogi, const StanKlawiszy& stan, UtrataZmian utrata) {
    if (!DefinicjeZmienione(stan))
        return true;
    return dialogi.Pytanie(QStringLiteral("Definicje klawiszy zmienione od ostatniego odczytu lub "
                                          "zapisu nie zostały zapisane ani do kasy, ani do "
                                          "pliku.\r") +
                               Skutek(utrata),
                           QStringLiteral("Uwaga"), Odpowiedz::Nie);
}

} // namespace orbaklaw

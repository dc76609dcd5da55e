#include "ui/Akcje.h"

#include "files/BladWejsciaWyjscia.h"
#include "ui/ObslugaWyjatku.h"
#include "ui/TekstBledu.h"

#include <exception>

namespace orbaklaw {

void Akcje::Wykonaj(const std::function<void()>& akcja) const noexcept {
    QString komunikat;
    try {
        akcja();
        return;
    } catch (const std::exception& e) {
        komunikat = TekstBledu(e);
    } catch (...) {
        komunikat = QStringLiteral("Nieznany błąd");
    }
    Zglos(komunikat);
}

void Akcje::Zglos(const BladWejsciaWyjscia& blad) const noexcept {
    QString komunikat;
    try {
        komunikat = TekstBledu(blad);
    } catch (...) {
        komunikat = QStringLiteral("Nieznany błąd");
    }
    Zglos(komunikat);
}

void Akcje::Zglos(const QString& komunikat) const noexcept {
    try {
        obsluga_(komunikat);
    } catch (...) {
        // The handler's own box failed; there is nobody left to tell.
    }
}

} // namespace orbaklaw

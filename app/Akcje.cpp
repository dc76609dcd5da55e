#include "app/Akcje.h"

#include "app/ObslugaWyjatku.h"
#include "app/Tekst1250.h"

#include <exception>

namespace orbaklaw {

void Akcje::Wykonaj(const std::function<void()>& akcja) const noexcept {
    QString komunikat;
    try {
        akcja();
        return;
    } catch (const std::exception& e) {
        // The program's own messages are Windows-1250; the system's are ASCII.
        komunikat = Z1250(e.what());
    } catch (...) {
        komunikat = QStringLiteral("Nieznany błąd");
    }
    try {
        obsluga_(komunikat);
    } catch (...) {
        // The handler's own box failed; there is nobody left to tell.
    }
}

} // namespace orbaklaw

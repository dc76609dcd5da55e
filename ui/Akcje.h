#pragma once
// Every user action runs through here: a failure it meets goes to
// ObslugaWyjatku, handed over with Zglos; whatever it still throws goes
// there too instead of unwinding into Qt's event loop.

#include <QObject>

#include <functional>

namespace orbaklaw {

class BladWejsciaWyjscia;
class ObslugaWyjatku;

class Akcje {
public:
    explicit Akcje(const ObslugaWyjatku& obsluga) : obsluga_(obsluga) {}

    void Wykonaj(const std::function<void()>& akcja) const noexcept;

    // Tells the user of a failure an action met (the action then stops).
    void Zglos(const BladWejsciaWyjscia& blad) const noexcept;

    // Connects a signal to an action run through Wykonaj; the signal's
    // arguments are dropped. `kontekst` ends the connection when destroyed.
    template <typename Nadawca, typename Sygnal>
    void Podlacz(Nadawca* nadawca, Sygnal sygnal, QObject* kontekst,
                 std::function<void()> akcja) const {
        QObject::connect(nadawca, sygnal, kontekst,
                         [this, akcja = std::move(akcja)] { Wykonaj(akcja); });
    }

private:
    void Pokaz(const QString& komunikat) const noexcept;

    const ObslugaWyjatku& obsluga_;
};

} // namespace orbaklaw

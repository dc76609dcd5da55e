#pragma once
// Every user action runs through here: a failure the action reports, and
// whatever it throws, go to ObslugaWyjatku instead of unwinding into Qt's
// event loop.

#include <QObject>
#include <QString>

#include <functional>

namespace orbaklaw {

class BladWejsciaWyjscia;
class ObslugaWyjatku;

class Akcje {
public:
    explicit Akcje(const ObslugaWyjatku& obsluga) : obsluga_(obsluga) {}

    void Wykonaj(const std::function<void()>& akcja) const noexcept;

    // Hands an action's failure (`komunikat`, the reason) to the error
    // handler; the action then ends.
    void Zglos(const QString& komunikat) const noexcept;
    // The same for a file that can't be read or saved (TekstBledu's text).
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
    const ObslugaWyjatku& obsluga_;
};

} // namespace orbaklaw

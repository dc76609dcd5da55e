#pragma once
// "Kasowanie": deletes the definitions of the 37 keys the register lets go
// (plain F1..F9 and every digit key), after a question. The tables follow
// only when the register has accepted.

#include "transfer/OknoTransferu.h"

#include <QString>

#include <optional>
#include <string>

namespace orbaklaw {

class Dialogi;
class SesjaKasy;
struct WynikKasy;

class KasowanieDefinicji {
public:
    explicit KasowanieDefinicji(const OknoTransferu& okno);

    void Wykonaj();

private:
    // The keys the deletion clears, from the register's definitions read
    // first, as lines before the question; nothing when they weren't read.
    QString DoSkasowania(const SesjaKasy& sesja) const;
    // Instead of them, when the register could not be read: that, and why.
    static QString BezOdczytu(const WynikKasy& odczyt);
    // False (after a message) when an old request file is in the way.
    bool UsunStaryPlik();
    // `uwaga`: what the check after a lost reply found, said first.
    void PokazWynik(const QString& uwaga, const QString& dopisek);

    const OknoTransferu& okno_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

#pragma once
// "Kasowanie": deletes the definitions of the 37 keys the register lets go
// (plain F1..F9 and every digit key), after a question. The tables follow
// only when the register has accepted.

#include "comm/BibliotekaKasdrv.h"

#include <optional>
#include <string>

namespace orbaklaw {

class Dialogi;
class TForm3;

class KasowanieDefinicji {
public:
    KasowanieDefinicji(TForm3& okno, Dialogi& dialogi, const std::optional<FunkcjeKasdrv>& funkcje);

    void Wykonaj();

private:
    // False (after a message) when an old request file is in the way.
    bool UsunStaryPlik();
    void PokazWynik();

    TForm3& okno_;
    Dialogi& dialogi_;
    const std::optional<FunkcjeKasdrv>& funkcje_;
};

} // namespace orbaklaw

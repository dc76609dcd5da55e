#pragma once
// The start-up query: offers to fetch the register's goods and payment
// names and its key definitions, then fills the goods and payment choosers
// from the reply files (also those of an earlier run when declined).

#include "comm/OknoPolaczenia.h"
#include "files/BladWejsciaWyjscia.h"

#include <cstdint>
#include <functional>

namespace orbaklaw {

class BibliotekiKasy;

class OdczytStartowy {
public:
    // `pokazOknoKomunik` shows the communication dialog modally.
    OdczytStartowy(const OknoPolaczenia& okno, BibliotekiKasy& biblioteki,
                   std::function<void()> pokazOknoKomunik)
        : okno_(okno), biblioteki_(biblioteki), pokazOknoKomunik_(std::move(pokazOknoKomunik)) {}

    void Wykonaj();

private:
    bool Zapytaj();
    // Fetches both reply files; false when the query ends here.
    bool PobierzZKasy();
    bool UstalNumerKasy();
    uint8_t TowarMax();
    uint8_t OPlat();
    // False when there is no goods reply to read.
    // True when there were goods; else why they can't be read.
    WynikPliku<bool> WczytajTowary();
    WynikPliku<void> WczytajPlatnosci();
    void PokazWybranyKlawisz();

    const OknoPolaczenia& okno_;
    BibliotekiKasy& biblioteki_;
    std::function<void()> pokazOknoKomunik_;
};

} // namespace orbaklaw

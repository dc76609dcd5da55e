#pragma once
// The start-up query: offers to fetch the register's goods and payment
// names and its key definitions through a register session, then fills the
// goods and payment choosers from the replies (from the reply files of an
// earlier run when declined). Its own rules: a failed call's reply file
// goes, and nothing fetched is shown when either call failed.

#include "files/BladWejsciaWyjscia.h"
#include "transfer/OknoTransferu.h"

#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

class OdczytStartowy {
public:
    explicit OdczytStartowy(const OknoTransferu& okno) : okno_(okno) {}

    void Wykonaj();

private:
    bool Zapytaj();
    // Fetches goods and payments; false when the query ends here.
    bool PobierzZKasy();
    bool UstalNumerKasy();
    // False when there are no goods to show; else why they can't be read.
    WynikPliku<bool> WczytajTowary();
    WynikPliku<void> WczytajPlatnosci();
    void PokazWybranyKlawisz();

    const OknoTransferu& okno_;
    // The replies fetched now; none when declined.
    std::optional<std::vector<std::string>> towary_;
    std::optional<std::vector<std::string>> platnosci_;
};

} // namespace orbaklaw

#pragma once
// The four definition tables: one record for each of the 64 definable keys,
// plus record 9 of each single-ALT table, which holds no key.

#include "format/DefinicjaKlawisza.h"
#include "format/KodyKlawiszy.h"

#include <array>

namespace orbaklaw {

class TabliceKlawiszy {
public:
    std::array<DefinicjaKlawisza, 19> KlawiszeBezp{};
    std::array<DefinicjaKlawisza, 19> KlawiszeLewyAlt{};
    std::array<DefinicjaKlawisza, 19> KlawiszePrawyAlt{};
    std::array<DefinicjaKlawisza, 9> KlawiszeObaAlt{};

    DefinicjaKlawisza& Rekord(MiejsceKlawisza m);
    const DefinicjaKlawisza& Rekord(MiejsceKlawisza m) const;

    // The record of (variant, position), or nullptr where the register has no key.
    DefinicjaKlawisza* Slot(int wariant, int nr);
    const DefinicjaKlawisza* Slot(int wariant, int nr) const;

    // The record of a register key code, or nullptr for a code of no key.
    DefinicjaKlawisza* SlotKodu(unsigned kod);

    // Marks every record undefined (the unused ones too) before a read; the
    // other fields keep their values.
    void WyczyscDoOdczytu();

    // True when 8 or more payments lie among the 37 keys whose payment
    // amounts the register counts.
    bool LiczPlatnosci() const;

    // Number of counted payment keys (the count LiczPlatnosci tests).
    int LiczbaPlatnosciLiczonych() const;

    // Sets Rodzaj to 0 on the 37 counted keys: what a deletion in the register clears.
    void WyczyscLiczone();

    bool operator==(const TabliceKlawiszy&) const = default;
};

// Whether a record belongs to the 37 keys that the payment count and the
// register's deletion cover.
bool MiejsceLiczone(MiejsceKlawisza m);

} // namespace orbaklaw

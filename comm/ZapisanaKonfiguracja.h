#pragma once
// KONFIG.TXT of the working folder as the register library takes it: the
// register its first line names and that register's settings. The
// communication dialog opens showing them, and a port that can't be opened
// is looked up by them.

#include "files/PlikTekstowy.h"
#include "files/Wynik.h"
#include "format/Konfiguracja.h"

#include <optional>
#include <string>

namespace orbaklaw {

struct ZapisanaKonfiguracja {
    std::string numerKasy; // as the file holds it: "05", "5"
    UstawieniaKomunikacji ustawienia;
    bool operator==(const ZapisanaKonfiguracja&) const = default;
};

// None when the file is missing, can't be read, or holds anything the
// register library would refuse (nothing but blanks included).
[[nodiscard]] std::optional<ZapisanaKonfiguracja> CzytajZapisanaKonfiguracje();

// The register number KONFIG.TXT of the working folder names, as every
// register action takes it: none when the file is missing or holds nothing
// but blanks; a failure when it exists but its number can't be read.
Wynik<std::optional<std::string>, BladWejsciaWyjscia> NumerZapisanejKasy();

} // namespace orbaklaw

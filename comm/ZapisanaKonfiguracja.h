#pragma once
// KONFIG.TXT of the working folder as the register library takes it: the
// register its first line names and that register's settings. The
// communication dialog opens showing them, and a port that can't be opened
// is looked up by them.

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
std::optional<ZapisanaKonfiguracja> CzytajZapisanaKonfiguracje();

} // namespace orbaklaw

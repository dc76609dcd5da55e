#pragma once
// One key of a definition file described for people: variant, key, kind and
// the definition's details, tab-separated, in Windows-1250.

#include "keys/DefinicjaKlawisza.h"
#include "keys/KodyKlawiszy.h"

#include <string>

namespace orbaklaw::cli {

std::string OpisKlawisza(MiejsceKlawisza miejsce, const DefinicjaKlawisza& d);

// The key's variant and name as OpisKlawisza gives them, tab-separated.
std::string NazwaKlawisza(MiejsceKlawisza miejsce);

// The kind, then ": " and the details when there are any ("NIEZDEF.",
// "2 - FUNKCJA: 05   WPŁATA DO KASY").
std::string OpisDefinicji(const DefinicjaKlawisza& d);

// The kind's name alone, and the details alone (empty when none).
std::string NazwaRodzaju(const DefinicjaKlawisza& d);
std::string SzczegolyDefinicji(const DefinicjaKlawisza& d);

} // namespace orbaklaw::cli

#pragma once
// One key of a definition file described for people: variant, key, kind and
// the definition's details, tab-separated, in Windows-1250.

#include "format/DefinicjaKlawisza.h"
#include "format/KodyKlawiszy.h"
#include "format/Towary.h"
#include "keys/StanKlawiszy.h"

#include <array>
#include <optional>
#include <string>

namespace orbaklaw {

// The register's names, when known: goods names (towary.txt) and the names
// of payment forms 1..3 (plat.txt, Windows-1250 as the program shows them).
struct NazwyKasy {
    std::optional<Towary> towary;
    std::array<std::optional<std::string>, 3> platnosci;
};

// The names the program knows of the register: its goods and payment names.
NazwyKasy NazwyZeStanu(const StanKlawiszy& stan);

std::string OpisKlawisza(MiejsceKlawisza miejsce, const DefinicjaKlawisza& d,
                         const NazwyKasy& nazwy = {});

// The key's variant and name as OpisKlawisza gives them, tab-separated.
std::string NazwaKlawisza(MiejsceKlawisza miejsce);

// The kind, then ": " and the details when there are any ("NIEZDEF.",
// "2 - FUNKCJA: 05   WPŁATA DO KASY").
std::string OpisDefinicji(const DefinicjaKlawisza& d, const NazwyKasy& nazwy = {});

// The kind's name alone.
std::string NazwaRodzaju(const DefinicjaKlawisza& d);

// The goods name of a goods definition, the payment's name of a payment one;
// empty when unknown.
std::string NazwaZKasy(const DefinicjaKlawisza& d, const NazwyKasy& nazwy);

} // namespace orbaklaw

#pragma once
// One key of a definition file described for people: variant, key, kind and
// the definition's details, tab-separated, in Windows-1250.

#include "keys/DefinicjaKlawisza.h"
#include "keys/KodyKlawiszy.h"

#include <string>

namespace orbaklaw::cli {

std::string OpisKlawisza(MiejsceKlawisza miejsce, const DefinicjaKlawisza& d);

} // namespace orbaklaw::cli

#pragma once
// Two sets of key definitions compared key by key, in the file's key order.
// Two keys are equal when the definition file would hold the same line for
// them: fields a kind doesn't use don't count, nor does the register number.

#include "format/TabliceKlawiszy.h"

#include <ostream>
#include <vector>

namespace orbaklaw::cli {

struct RoznicaKlawisza {
    MiejsceKlawisza miejsce;
    DefinicjaKlawisza a;
    DefinicjaKlawisza b;
};

std::vector<RoznicaKlawisza> Porownaj(const TabliceKlawiszy& a, const TabliceKlawiszy& b);

// One line per difference: variant TAB key TAB a's definition TAB b's (UTF-8).
void WypiszRoznice(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out);

// The same as one JSON document: {"rowne": bool, "roznice": [{"wariant",
// "klawisz", "kod", "a": definition, "b": definition}]}.
void WypiszRozniceJson(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out);

} // namespace orbaklaw::cli

#pragma once
// The differences of two sets of key definitions (transfer/PorownanieDefinicji.h) printed.

#include "transfer/PorownanieDefinicji.h"

#include <ostream>
#include <vector>

namespace orbaklaw::cli {

using orbaklaw::Porownaj;
using orbaklaw::RoznicaKlawisza;
// One line per difference: variant TAB key TAB a's definition TAB b's (UTF-8).
void WypiszRoznice(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out);

// The same as one JSON document: {"rowne": bool, "roznice": [{"wariant",
// "klawisz", "kod", "a": definition, "b": definition}]}.
void WypiszRozniceJson(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out);

} // namespace orbaklaw::cli

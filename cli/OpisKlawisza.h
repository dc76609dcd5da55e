#pragma once
// The key descriptions the commands print are the window's own
// (transfer/OpisKlawisza.h).

#include "transfer/OpisKlawisza.h"

namespace orbaklaw::cli {

using orbaklaw::NazwaKlawisza;
using orbaklaw::NazwaRodzaju;
using orbaklaw::NazwaZKasy;
using orbaklaw::NazwyKasy;
using orbaklaw::OpisDefinicji;
using orbaklaw::OpisKlawisza;

} // namespace orbaklaw::cli

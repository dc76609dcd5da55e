#pragma once
// The one accessor of the program's state.

#include "state/StanProgramu.h"

namespace orbaklaw {

// The state of this run; created on first use.
StanProgramu& Stan();

// Throws the state away and starts a fresh one (each test does).
void NowyStan();

} // namespace orbaklaw

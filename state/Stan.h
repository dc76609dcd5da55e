#pragma once
// The one accessor of the program's state.

#include "state/StanProgramu.h"

namespace orbaklaw {

// The state of this run; created on first use. It stays at one address
// for the whole run, so a pointer to it (or into it) never dangles.
StanProgramu& Stan();

// Clears the state to what a fresh run starts with (each test does).
void NowyStan();

} // namespace orbaklaw

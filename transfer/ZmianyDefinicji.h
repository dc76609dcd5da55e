#pragma once
// Whether the definitions in the window hold work that exists nowhere else:
// they are compared, as a definition file holds them, with those last read
// from the register or a file, or last written to one.

#include "keys/StanKlawiszy.h"

namespace orbaklaw {

// True when the tables differ in meaning from those kept by ZapamietajDefinicje.
bool DefinicjeZmienione(const StanKlawiszy& stan);

// The tables as they are now have just been read, written or loaded.
void ZapamietajDefinicje(StanKlawiszy& stan);

} // namespace orbaklaw

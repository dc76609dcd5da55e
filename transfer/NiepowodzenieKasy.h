#pragma once
// A register action that failed, as the window tells it: in words for a
// message box, or handed to the program's error handler as the library's
// and the system's failures always were.

#include "transfer/WynikKasy.h"

#include <QString>

namespace orbaklaw {

// Why the action failed (Polish): the code's message and the library's
// reason, or what else went wrong.
QString PowodNiepowodzenia(const WynikKasy& wynik);

// Throws the failure of the library, the register number or a file to the
// action's error handler.
[[noreturn]] void DoObslugiWyjatku(const WynikKasy& wynik);

} // namespace orbaklaw

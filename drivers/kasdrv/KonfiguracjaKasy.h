#pragma once
// The line of KONFIG.TXT for one register number.

#include "format/Konfiguracja.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::kasdrv {

// Reads KONFIG.TXT (found whatever its case) in the current directory. Every
// non-empty line must be sound; the result is that of the line whose number
// is `numer` (14 when there is none).
WynikKonfiguracji KonfiguracjaKasy(int numer);

} // namespace orbaklaw::kasdrv

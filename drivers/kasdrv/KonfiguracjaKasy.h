#pragma once
// The line of KONFIG.TXT for one register number.

#include "comm/Konfiguracja.h"

namespace orbaklaw::kasdrv {

constexpr uint8_t KodBrakKonfiguracji = 7;
constexpr uint8_t KodNiekompletnaKonfiguracja = 13;
constexpr uint8_t KodBrakSkojarzenia = 14;

// Reads KONFIG.TXT (found whatever its case) in the current directory. Every
// non-empty line must be sound; the result is that of the line whose number
// is `numer` (14 when there is none).
WynikKonfiguracji KonfiguracjaKasy(int numer);

} // namespace orbaklaw::kasdrv

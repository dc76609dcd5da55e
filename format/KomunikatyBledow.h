#pragma once
// Result codes of the register libraries and their Polish messages
// (Windows-1250; the lines of a multi-line message are separated by CR).

#include "orbaklaw/kasdrv_kody.h"
#include <cstdint>
#include <string>

namespace orbaklaw {

// The message of a code; an empty text for codes without one (0 among them).
const char* KomunikatBledu(uint8_t kod);
bool MaKomunikat(uint8_t kod);

// The result code of a register status byte: the top bit is ignored, 0..25
// stay, 26..30 -> 101..105, 31..39 -> 107..115, 40..50 -> 200..210,
// 63 -> 211, anything else -> 255.
uint8_t KodZeStatusu(uint8_t status);

// What the window and orbaklaw-cli both say about writing the key definitions.

// The refusal of a reserved output file name; `nazwa` (the name without its
// folder) is put in as it is.
std::string BladZastrzezonejNazwy(const std::string& nazwa);

// The request file of a read could not be made.
std::string NieUtworzonoZapytania();

// The register took the definitions, and the working copy of them was saved.
std::string ZapisanoDoKasyIDoPliku();

} // namespace orbaklaw

#pragma once
// What the key editor keeps for the whole run: the 64 definitions, the
// goods names read from the register, the register's program version
// (which decides the options offered) and the key last shown in the panel.
// The program state holds it; the editor's classes get a pointer to it.

#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <cstdint>
#include <string>

namespace orbaklaw {

struct StanKlawiszy {
    TabliceKlawiszy tablice;     // the 64 key definitions
    TabliceKlawiszy zachowane;   // the definitions as last read, written or loaded
    Towary towary;               // goods names from the register
    uint8_t WersjaKasy = 0;      // register program version, 0 until identified
    uint8_t OstatniKlawisz = 0;  // position last shown in the editor panel
    std::string ZrodloDefinicji; // UTF-8: what `zachowane` were read from or written to
};

} // namespace orbaklaw

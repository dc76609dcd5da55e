#pragma once
// Everything the program keeps for the whole run, in one object owned by the
// application. Nothing here is saved when the program ends.

#include "appearance/StanWygladu.h"
#include "keys/StanKlawiszy.h"

#include <cstdint>
#include <string>

namespace orbaklaw {

// The key editor's part (definitions, goods, register version, last key)
// comes from StanKlawiszy, the print's picture name from StanWygladu.
struct StanProgramu : StanKlawiszy, StanWygladu {
    uint8_t KodBledu = 0;          // result of the last register-library call
    std::string NumerKasy;         // register number as text, at most 2 characters
    int NrKasyZTestu = 0;          // number reported by the last link test, 0 if none
    int TypKasy = 0;               // model code of the last identification
    bool ZapytanieStartowe = true; // the start-up query is still to run
};

} // namespace orbaklaw

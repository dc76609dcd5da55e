#pragma once
// Everything the program keeps for the whole run, in one object owned by the
// application. Nothing here is saved when the program ends.

#include "keys/TabliceKlawiszy.h"
#include "keys/Towary.h"

#include <cstdint>
#include <string>

namespace orbaklaw {

struct StanProgramu {
    TabliceKlawiszy tablice;       // the 64 key definitions
    Towary towary;                 // goods names from the register
    uint8_t KodBledu = 0;          // result of the last register-library call
    std::string NumerKasy;         // register number as text, at most 2 characters
    int NrKasyZTestu = 0;          // number reported by the last link test, 0 if none
    int TypKasy = 0;               // model code of the last identification
    uint8_t WersjaKasy = 0;        // register program version, 0 until identified
    uint8_t OstatniKlawisz = 0;    // position last shown in the editor panel
    std::string PlikWydruku;       // set only while printing: the save runs without a dialog
    bool ZapytanieStartowe = true; // the start-up query is still to run
};

} // namespace orbaklaw

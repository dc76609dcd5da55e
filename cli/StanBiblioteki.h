#pragma once
// The register library's report of the exchange in progress (kasdrv_postep),
// when the libkasdrv.so of the program's folder offers it; an empty function
// otherwise, and the progress line shows a spinner.

#include "cli/PostepWTerminalu.h"

#include <string>

namespace orbaklaw::cli {

StanWymiany StanZBiblioteki();

// What the library knows of its last call's failure beyond the code
// (kasdrv_opis_bledu, Windows-1250); empty when it says nothing.
std::string OpisBleduZBiblioteki();

} // namespace orbaklaw::cli

#pragma once
// The register library's report of the exchange in progress, when the
// loaded libkasdrv.so offers one; an empty function otherwise.

#include "cli/Postep.h"

namespace orbaklaw::cli {

StanWymiany StanZBiblioteki();

} // namespace orbaklaw::cli

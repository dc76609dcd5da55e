#pragma once
// The process the program runs as.

namespace orbaklaw::platform {

// The system's number of this process, which no other running process has.
int NumerProcesu();

} // namespace orbaklaw::platform

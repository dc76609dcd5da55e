#pragma once
// Serving in the background, for manual use: the emulator goes on in a
// process of its own session, so that neither the end of the shell or
// script that started it nor a closed terminal stops it.

#include <functional>

namespace orbaklaw::emulator {

// Runs `sluz` in a new background process. `sluz` gets a descriptor on
// which it writes its "ready PATH" line (or its error) once it listens, and
// must close it then. This call returns once that has happened: 0 after
// printing the ready line and "pid N" on standard output, 2 after printing
// the error on standard error. The background process has no terminal and
// its standard streams go to /dev/null once it is ready.
int UruchomWTle(const std::function<int(int kanalGotowosci)>& sluz);

// For `sluz`: after its ready line, the streams it no longer needs.
void OdlaczStrumienie();

} // namespace orbaklaw::emulator

#pragma once
// Why the device of a serial port can't be opened, for the message that
// follows the one on a port that could not be set up: the device by name
// and the reason, for a missing permission the way to get it (the serial
// devices belong to the group dialout).

#include <string>

namespace orbaklaw {

// The message on a serial port that could not be set up (Windows-1250).
const char* NiemozliweZainicjowaniePortu();

// The sentence (Windows-1250) for the system's error number `blad` met
// opening `urzadzenie`; empty for 0.
std::string PowodNiedostepnosciPortu(const std::string& urzadzenie, int blad);

// The same for what opening the device gives now; empty when it opens.
std::string PowodNiedostepnosciPortu(const std::string& urzadzenie);

} // namespace orbaklaw

#pragma once
// The emulator speaks Polish, as the program does, in UTF-8 on the terminal;
// the program's own reasons are Windows-1250 and are brought over here.

#include <exception>
#include <string>

namespace orbaklaw {
class BladWejsciaWyjscia;
}

namespace orbaklaw::emulator {

// The system's reason for an errno value.
std::string PowodSystemu(int numer);

// What a failure that ends the emulator says (without the "orba-emu: ").
std::string TekstWyjatku(const std::exception& e);

// A file's failure: the path as the system spells it, the reason in UTF-8.
std::string TekstBleduPliku(const BladWejsciaWyjscia& blad);

} // namespace orbaklaw::emulator

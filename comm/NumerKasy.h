#pragma once
// The register number as the request files take it: the text NumerKasy
// (from KONFIG.TXT, the communication dialog or orbaklaw-cli's options) read
// as a decimal number. The start-up query, the register operations, the
// backups and orbaklaw-cli all decide by this one rule.

#include "files/Wynik.h"

#include <string>

namespace orbaklaw {

// A register number that is not a number; `opis` is Windows-1250.
struct BladNumeruKasy {
    std::string opis;
};

// "01" gives 1. An empty text, a sign, a space or anything but digits, or a
// number beyond 32 bits, is a failure ("Niepoprawny numer kasy: 'x1'"):
// nothing may be sent to a register whose number is unknown.
Wynik<unsigned, BladNumeruKasy> NumerKasyJakoLiczba(const std::string& numerKasy);

} // namespace orbaklaw

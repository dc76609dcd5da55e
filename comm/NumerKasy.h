#pragma once
// The register number as the request files take it: the text NumerKasy
// (from KONFIG.TXT, the communication dialog or orbaklaw-cli's options) read
// as a decimal number. The start-up query, the register operations, the
// backups and orbaklaw-cli all decide by this one rule.

#include <stdexcept>
#include <string>

namespace orbaklaw {

// A register number that is not a number; the message is Windows-1250.
class BladNumeruKasy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "01" gives 1. An empty text, a sign, a space or anything but digits, or a
// number beyond 32 bits, throws BladNumeruKasy ("Niepoprawny numer kasy:
// 'x1'"): nothing may be sent to a register whose number is unknown.
unsigned NumerKasyJakoLiczba(const std::string& numerKasy);

} // namespace orbaklaw

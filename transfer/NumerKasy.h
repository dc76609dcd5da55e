#pragma once
// The register number as the request files take it: the text NumerKasy read
// as a decimal number.

#include <stdexcept>
#include <string>

namespace orbaklaw {

// A register number that is not a number; the message is Windows-1250.
class BladNumeruKasy : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "01" gives 1. An empty text, a sign or anything but digits throws
// BladNumeruKasy: nothing may be sent to a register whose number is unknown.
unsigned NumerKasyJakoLiczba(const std::string& numerKasy);

} // namespace orbaklaw

#pragma once
// Register models as the identification reply names them by its first byte.

#include <cstdint>
#include <string>

namespace orbaklaw {

constexpr int KodOrba = 6;

// The model code 0..6 of an identification reply's first byte; 0 for a
// device that is none of the known registers.
int KodModelu(uint8_t pierwszyBajt);

// The model's name ("ORBA", "TUMO 2047", ...); empty for an unknown byte.
std::string NazwaModelu(uint8_t pierwszyBajt);

// The refusal of a device that answers but is not an ORBA (Windows-1250).
const char* InnaKasaNizOrba();

} // namespace orbaklaw

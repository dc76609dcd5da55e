#pragma once
// Register text (code page 852) to the program's Windows-1250, for the 18
// Polish letters; every other byte passes unchanged.

#include <string>

namespace orbaklaw {

unsigned char Konw852Znak(unsigned char znak);
std::string Konw852Tekst(const std::string& tekst);

} // namespace orbaklaw

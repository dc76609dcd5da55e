#pragma once
// Names of the user's files: the two names the register library keeps for
// itself, and extensions of the insert's picture and label files.

#include <string>

namespace orbaklaw {

// The name part of a path (after the last "/" or "\").
std::string CzescNazwy(const std::string& sciezka);

// True when the name part, in upper case, is "KONFIG.TXT" or "RAPORT.TXT",
// in whatever folder.
bool NazwaZastrzezona(const std::string& sciezka);

// The path with the extension of its name part replaced by `rozszerzenie`
// (".bmp"), or the extension added when there is none.
std::string ZmienRozszerzenie(const std::string& sciezka, const std::string& rozszerzenie);

} // namespace orbaklaw

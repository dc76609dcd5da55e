#pragma once
// Reading and writing the program's single-byte text files: lines end in
// CR LF when written; a reader also takes LF alone.

#include "files/BladWejsciaWyjscia.h"
#include "files/GraniceOdczytu.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

// Reads a whole file as lines (CR LF, LF, or a CR ending the last line; a
// last line without an end counts). Only a regular file within the bounds
// is read. Gives the reason when the file can't be read or is refused; a
// file beyond the bounds (bytes or lines) is refused as Odrzucony().
WynikPliku<std::vector<std::string>> CzytajLinie(const std::filesystem::path& plik,
                                                 const GraniceOdczytu& granice);
WynikPliku<std::vector<std::string>> CzytajLinie(const std::filesystem::path& plik);

// Splits bytes into lines the same way.
std::vector<std::string> PodzielNaLinie(const std::string& tekst);

// Joins lines, each followed by CR LF.
std::string ZlaczLinie(const std::vector<std::string>& linie);

// Replaces `plik` with `tresc` as a whole (see ZapisAtomowy). On a failure
// the old file is untouched.
WynikPliku<void> ZapiszAtomowo(const std::filesystem::path& plik, const std::string& tresc);

// A fixed file name as it exists in `folder`, found whatever its case; the
// name itself when no such file exists.
std::filesystem::path ZnajdzPlik(const std::filesystem::path& folder, const std::string& nazwa);

// The same in the current directory.
std::filesystem::path ZnajdzPlik(const std::string& nazwa);

} // namespace orbaklaw

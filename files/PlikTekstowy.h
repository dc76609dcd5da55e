#pragma once
// Reading and writing the program's single-byte text files: lines end in
// CR LF when written; a reader also takes LF alone.

#include "files/GraniceOdczytu.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbaklaw {

// An input-output failure, with the reason in the message (Windows-1250).
// When it names a file, the path (bytes of the system's encoding) and the
// reason are also kept apart, so that a window can show the path readably;
// on Windows the path is the program's Windows-1250 bytes for it.
class BladWejsciaWyjscia : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    // The message is "path: reason".
    BladWejsciaWyjscia(const std::filesystem::path& sciezka, const std::string& powod);

    const std::string& Sciezka() const { return sciezka_; } // empty when none
    const std::string& Powod() const { return powod_; }

private:
    std::string sciezka_;
    std::string powod_;
};

// Reads a whole file as lines (CR LF, LF, or a CR ending the last line; a
// last line without an end counts). Only a regular file within the bounds
// is read. Throws BladWejsciaWyjscia when the file can't be read or is
// refused; a file beyond the bounds (bytes or lines) is refused with
// PlikOdrzucony.
std::vector<std::string> CzytajLinie(const std::filesystem::path& plik,
                                     const GraniceOdczytu& granice);
std::vector<std::string> CzytajLinie(const std::filesystem::path& plik);

// Splits bytes into lines the same way.
std::vector<std::string> PodzielNaLinie(const std::string& tekst);

// Joins lines, each followed by CR LF.
std::string ZlaczLinie(const std::vector<std::string>& linie);

// Replaces `plik` with `tresc` as a whole (see ZapisAtomowy). Throws
// BladWejsciaWyjscia on failure; the old file is then untouched.
void ZapiszAtomowo(const std::filesystem::path& plik, const std::string& tresc);

// A fixed file name as it exists in `folder`, found whatever its case; the
// name itself when no such file exists.
std::filesystem::path ZnajdzPlik(const std::filesystem::path& folder, const std::string& nazwa);

// The same in the current directory.
std::filesystem::path ZnajdzPlik(const std::string& nazwa);

} // namespace orbaklaw

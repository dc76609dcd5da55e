#pragma once
// Reading and writing the program's single-byte text files: lines end in
// CR LF when written; a reader also takes LF alone.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbaklaw {

// An input-output failure, with the system's reason in the message.
class BladWejsciaWyjscia : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole file as lines (CR LF or LF; a last line without an end
// counts). Throws BladWejsciaWyjscia when the file can't be read.
std::vector<std::string> CzytajLinie(const std::filesystem::path& plik);

// Splits bytes into lines the same way.
std::vector<std::string> PodzielNaLinie(const std::string& tekst);

// Joins lines, each followed by CR LF.
std::string ZlaczLinie(const std::vector<std::string>& linie);

// Replaces `plik` with `tresc` atomically: written to a temporary file in the
// same folder and renamed over the target only when complete. Throws
// BladWejsciaWyjscia on failure; the old file is then untouched.
void ZapiszAtomowo(const std::filesystem::path& plik, const std::string& tresc);

// A fixed file name as it exists in `folder`, found whatever its case; the
// name itself when no such file exists.
std::filesystem::path ZnajdzPlik(const std::filesystem::path& folder, const std::string& nazwa);

// The same in the current directory.
std::filesystem::path ZnajdzPlik(const std::string& nazwa);

} // namespace orbaklaw

#pragma once
// The files of an atomic save: its temporary file, created exclusively, and
// an existing file opened for writing. Neither follows a symbolic link
// under its name. On Windows both may be renamed and removed while open,
// as on Linux. Failures return -1 with errno set.

#include <filesystem>

namespace orbaklaw::platform {

// Creates `plik` for writing where no file of that name was, with the
// rights `prawa` (Linux); EEXIST when the name is taken.
int UtworzPlikZapisu(const std::filesystem::path& plik, unsigned prawa);
// Opens the existing `plik` for writing; `bezCzekania`: a FIFO or device
// under the name does not hold the caller.
int OtworzDoZapisu(const std::filesystem::path& plik, bool bezCzekania);
// Opens `plik` for reading its bytes from any offset.
int OtworzDoPrzepisania(const std::filesystem::path& plik);

} // namespace orbaklaw::platform

#pragma once
// Rewriting a file in place, for a file with several names: room reserved
// first, bytes copied between two open files at given offsets, the length
// set. Each returns 0 or the system's error number.

#include <cstdint>

namespace orbaklaw::platform {

// Makes room in `plik` for `rozmiar` bytes without changing a byte of it; a
// file system that can't reserve is left to the writing itself (0).
int ZarezerwujMiejsce(int plik, int64_t rozmiar);
// Copies `ile` bytes from offset `od` of `zrodlo` to the same offset of `cel`.
int SkopiujCzesc(int zrodlo, int cel, int64_t od, int64_t ile);
// Sets the length of `plik` to `rozmiar` bytes.
int UstawDlugosc(int plik, int64_t rozmiar);
// Closes `plik` after writing: 0, or the error the system reported (a
// network file system tells a failed write only then).
int ZamknijPoZapisie(int plik);
// The length of `plik`, -1 with errno set when the system won't tell.
int64_t DlugoscPliku(int plik);

} // namespace orbaklaw::platform

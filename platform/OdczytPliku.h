#pragma once
// Reading a file through the system: opened without waiting (a FIFO with no
// writer must not hold the program), its kind and size told before a byte
// is read, then read in parts. Failures set errno.

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace orbaklaw::platform {

enum class RodzajPliku { Zwykly, Katalog, Inny };

// The open file for reading, its bytes as they are; -1 with errno set when
// it can't be opened. A folder is either opened and then told by its kind
// (Linux) or refused with EISDIR (Windows).
int OtworzDoCzytania(const std::filesystem::path& plik);

// The open file's kind and size; false with errno set when the system
// won't tell.
[[nodiscard]] bool RodzajIRozmiar(int plik, RodzajPliku& rodzaj, uintmax_t& rozmiar);

// From here on a read waits for its data, as a regular file is read.
[[nodiscard]] bool CzytajZCzekaniem(int plik);

// One read of at most `ile` bytes, repeated when a signal interrupts it:
// the bytes read, 0 at the end, -1 with errno set.
long long CzytajCzescPliku(int plik, char* bufor, size_t ile);

// Waits up to `czasMs` for data to read (after a read said EAGAIN).
void CzekajNaDane(int plik, int czasMs);
void ZamknijPlik(int plik);

} // namespace orbaklaw::platform

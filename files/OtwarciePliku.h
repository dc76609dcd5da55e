#pragma once
// Opening an input file. Only a regular file of at most the given size is
// taken: a folder, a device, a FIFO or a socket is refused before anything
// is read from it, and the open itself never waits (a FIFO without a
// writer would otherwise stall the program). Reading is bounded by time as
// well: a file that looks regular but waits for data (the kernel's log) is
// refused after a short wait, and so is a read that goes on too long.

#include "files/BladWejsciaWyjscia.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>

namespace orbaklaw {

// How long a whole input may take to read, and how long a read waits for
// data that isn't there yet.
inline constexpr std::chrono::seconds NajdluzszyOdczyt{10};
inline constexpr std::chrono::milliseconds NajdluzszeCzekanieNaDane{500};

// A descriptor for reading, that never waits; else the reason, Odrzucony()
// for a file larger than the bound.
WynikPliku<int> OtworzDoOdczytu(const std::filesystem::path& plik, uintmax_t najwiecejBajtow);

// The whole file; else the reason it can't be read or is refused,
// Odrzucony() when it is larger than the bound, also when it grows past it
// while being read.
WynikPliku<std::string> CzytajCalyPlik(const std::filesystem::path& plik,
                                       uintmax_t najwiecejBajtow);

// One read of at most `ile` bytes, repeated when a signal interrupts it:
// the bytes read, 0 at the end, -1 with errno set on a failure.
ssize_t CzytajCzesc(int fd, char* bufor, size_t ile);

// The same for a descriptor of OtworzDoOdczytu: data that isn't there is
// waited for NajdluzszeCzekanieNaDane at most (then -1 with EAGAIN), and
// after `termin` no read is done (-1 with ETIMEDOUT).
ssize_t CzytajCzescWejscia(int fd, char* bufor, size_t ile,
                           std::chrono::steady_clock::time_point termin);

// The failure of a read of `plik` with errno `numer`, the reason in Polish.
BladWejsciaWyjscia BladOdczytu(const std::filesystem::path& plik, int numer);

} // namespace orbaklaw

#pragma once
// Opening an input file. Only a regular file of at most the given size is
// taken: a folder, a device, a FIFO or a socket is refused before anything
// is read from it, and the open itself never waits (a FIFO without a
// writer would otherwise stall the program).

#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/types.h>

namespace orbaklaw {

// A descriptor for reading; throws BladWejsciaWyjscia with the reason, the
// PlikOdrzucony kind of it for a file larger than the bound.
int OtworzDoOdczytu(const std::filesystem::path& plik, uintmax_t najwiecejBajtow);

// The whole file; throws BladWejsciaWyjscia when it can't be read or is
// refused, PlikOdrzucony when it is larger than the bound, also when it
// grows past it while being read.
std::string CzytajCalyPlik(const std::filesystem::path& plik, uintmax_t najwiecejBajtow);

// One read of at most `ile` bytes, repeated when a signal interrupts it:
// the bytes read, 0 at the end, -1 with errno set on a failure.
ssize_t CzytajCzesc(int fd, char* bufor, size_t ile);

} // namespace orbaklaw

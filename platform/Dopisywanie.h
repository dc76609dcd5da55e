#pragma once
// Appending to a log file: opened without following a symbolic link under
// its name and without waiting (a FIFO under the name must not hold the
// caller), then written through the C library's stream.

#include <cstdio>
#include <filesystem>

namespace orbaklaw::platform {

// The file opened for appending, created readable by all when missing; -1
// with errno set when it can't be opened.
int OtworzDoDopisywania(const std::filesystem::path& plik);

// A C stream over the open file (binary: bytes as written); null when the
// system refuses, and the file is then still open.
std::FILE* StrumienDopisywania(int plik);

} // namespace orbaklaw::platform

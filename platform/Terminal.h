#pragma once
// Writing to a descriptor that may be a terminal.

#include <cstddef>

namespace orbaklaw::platform {

// True when `plik` is a terminal (a console on Windows).
bool JestTerminalem(int plik);

// The console shows this process's output as UTF-8 (Windows); on Linux the
// terminal's own setting holds and nothing is done.
void WyjscieWUtf8();
// One write of at most `ile` bytes: the bytes written, -1 on a failure.
long long ZapiszCzesc(int plik, const char* dane, size_t ile);

} // namespace orbaklaw::platform

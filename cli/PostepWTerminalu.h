#pragma once
// Progress of a register exchange on the terminal. The exchange runs on a
// worker thread; the calling thread redraws one status line on stderr every
// tenth of a second: the bytes done of those expected when the library
// tells them, otherwise a spinner with the time so far. When stderr is not
// a terminal nothing is shown and the exchange runs on the calling thread.

#include <cstdint>
#include <functional>
#include <string>

namespace orbaklaw::cli {

// Bytes done and expected of the exchange in progress; false when unknown.
using StanWymiany = std::function<bool(uint64_t& zrobione, uint64_t& oczekiwane)>;

// Runs `wymiana` and gives its result; what it throws is thrown here.
uint8_t ZPostepem(const std::string& opis, const std::function<uint8_t()>& wymiana,
                  const StanWymiany& stan, int fd = 2);

// The status line for these values (without the leading CR).
std::string LiniaPostepu(const std::string& opis, bool znany, uint64_t zrobione,
                         uint64_t oczekiwane, double sekundy, unsigned krok);

} // namespace orbaklaw::cli

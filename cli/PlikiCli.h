#pragma once
// The files named on orbaklaw-cli's command line, checked before anything is
// read or written: an input must be a regular file of a size the program's
// files can have (never a device, a FIFO or a folder); an output must not be
// KONFIG.TXT or RAPORT.TXT (whatever its case and folder), a device, a FIFO
// or one of the command's inputs. Paths are used as the bytes given.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// The program's text files are a few kilobytes; anything above this is not one.
constexpr std::uintmax_t NajwiekszyPlikWejsciowy = 16u << 20;

// Why `sciezka` can't be read as an input (a Windows-1250/UTF-8 message
// naming the path), or none when it can.
std::optional<std::string> ProblemWejscia(const std::string& sciezka);

// Why `sciezka` can't be written as an output of a command reading `wejscia`.
std::optional<std::string> ProblemWyjscia(const std::string& sciezka,
                                          const std::vector<std::string>& wejscia = {});

// The bytes of an input file, checked as ProblemWejscia checks it and read
// with that bound; throws BladWejsciaWyjscia with the reason.
std::string CzytajPlikWejsciowy(const std::filesystem::path& plik);

} // namespace orbaklaw::cli

#pragma once
// The order in which the backups of one register were made, kept beside them
// once the file system's times can no longer tell it: a backup was made at a
// time, by the clock, earlier than one already there (the clock was set back,
// or had been ahead). A hidden file ".kolejnosc-kasaNN.txt" in the backup
// folder lists the backups' names, the oldest first, one a line (CR LF).
// Backups it doesn't list were made before any it lists.

#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

// The names listed for register `numer` (two digits), oldest first; none
// when there is no list or it can't be read.
std::vector<std::string> CzytajKolejnoscKopii(const std::filesystem::path& folder,
                                              const std::string& numer);

// Replaces the list (as a whole); a failure leaves the old one and is not
// reported: the backups themselves are what matters.
void ZapiszKolejnoscKopii(const std::filesystem::path& folder, const std::string& numer,
                          const std::vector<std::string>& nazwy);

} // namespace orbaklaw

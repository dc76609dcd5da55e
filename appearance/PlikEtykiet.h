#pragma once
// The label file (".bm0"): exactly 38 lines, one per label field in the
// order of PolaEtykiet, Windows-1250, every line ended by CR LF.

#include "appearance/PolaEtykiet.h"
#include "files/BladWejsciaWyjscia.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

using TekstyEtykiet = std::array<std::string, LiczbaPolEtykiet>;

// The file's bytes; the texts are written as they are (the caller pads them).
std::string TekstPlikuEtykiet(const TekstyEtykiet& teksty);

// Writes the file atomically; else the reason it could not be written.
WynikPliku<void> ZapiszPlikEtykiet(const std::filesystem::path& plik, const TekstyEtykiet& teksty);

// Takes lines whole, no trimming or cutting; fields past the last line are
// empty and lines after the 38th are ignored. CR LF and LF alone both end a line.
TekstyEtykiet ParsujEtykiety(const std::vector<std::string>& linie);

// Reads a file (a regular file within GranicePlikuEtykiet); else the reason
// it can't be read or is refused.
WynikPliku<TekstyEtykiet> CzytajPlikEtykiet(const std::filesystem::path& plik);

} // namespace orbaklaw

#pragma once
// The label file (".bm0"): exactly 38 lines, one per label field in the
// order of PolaEtykiet, Windows-1250, every line ended by CR LF.

#include "appearance/PolaEtykiet.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

using TekstyEtykiet = std::array<std::string, LiczbaPolEtykiet>;

// The file's bytes; the texts are written as they are (the caller pads them).
std::string TekstPlikuEtykiet(const TekstyEtykiet& teksty);

// Writes the file atomically; throws BladWejsciaWyjscia on failure.
void ZapiszPlikEtykiet(const std::filesystem::path& plik, const TekstyEtykiet& teksty);

// Takes lines whole, no trimming or cutting; fields past the last line are
// empty and lines after the 38th are ignored. CR LF and LF alone both end a line.
TekstyEtykiet ParsujEtykiety(const std::vector<std::string>& linie);

// Reads a file (a regular file within GranicePlikuEtykiet); throws
// BladWejsciaWyjscia when it can't be read or is refused.
TekstyEtykiet CzytajPlikEtykiet(const std::filesystem::path& plik);

} // namespace orbaklaw

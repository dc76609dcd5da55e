#pragma once
// The register library's reply files of the start-up query: "towary.txt"
// (goods numbers and names) and "plat.txt" (names of payment forms 1..3).
// Both start with three header lines that are skipped.

#include "files/NazwyStale.h"
#include "format/Towary.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

// Goods lines: field 1 the number (blanks around it ignored, a leading "$"
// read as 0, not a number = 0), field 2 the CP852 name. Numbers outside
// 1..511 skip the line; a line without field 1, or a valid number without
// field 2, ends the reading. Entries read before stay.
void CzytajTowary(const std::vector<std::string>& linie, Towary& towary);

// Lines 4, 5 and 6 give in field 2 the names of payment forms 1, 2 and 3;
// none where the line or its field is missing or empty.
using NazwyPlatnosci = std::array<std::optional<std::string>, 3>;
NazwyPlatnosci CzytajPlatnosci(const std::vector<std::string>& linie);

// The number of a goods line's field 1, as the reader takes it.
int NumerTowaruZPola(std::string pole);

} // namespace orbaklaw

#pragma once
// The short name a defined key gets on its insert label: its goods name,
// function name or payment form (Windows-1250).

#include "format/DefinicjaKlawisza.h"
#include "format/Towary.h"

#include <string>
#include <vector>

namespace orbaklaw {

// `funkcje` and `platnosci` are the choosers' items as they stand now (the
// register's payment names replace items 1..3 after the start-up query).
// Goods: the converted goods name (none outside 1..511). Function: its item
// from the sixth character on. Payment: item 4 for EURO, else item Numer.
// Numbers outside the lists, and undefined keys, give an empty name.
std::string NazwaDefinicji(const DefinicjaKlawisza& d, const Towary& towary,
                           const std::vector<std::string>& funkcje,
                           const std::vector<std::string>& platnosci);

} // namespace orbaklaw

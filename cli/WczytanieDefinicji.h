#pragma once
// A definition file named on the command line, read into fresh tables as the
// program reads one; the failure is told on `err`.

#include "keys/TabliceKlawiszy.h"

#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// 0, or 1 for a bad line, 2 for a file that can't be read.
int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err);

// The format message for the bad line `zlaLinia` of `plik`, whose lines are
// `linie`: "PLIK: Błędny format pliku wejsciowego, linia N: " and the line.
std::string KomunikatFormatu(const std::string& plik, const std::vector<std::string>& linie,
                             const std::string& zlaLinia);

} // namespace orbaklaw::cli

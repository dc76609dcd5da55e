#pragma once
// A definition file named on the command line, read into fresh tables as the
// program reads one; the failure is told on `err`.

#include "format/TabliceKlawiszy.h"

#include <cstddef>
#include <ostream>
#include <string>

namespace orbaklaw::cli {

// Whether every line of the file must reach a key.
enum class CalyPlik {
    Nie,   // the file taken as the window loads it
    Tak,   // check
    DoKasy // write: the refusal also says that nothing was sent
};

// 0, or 1 for a bad line, 2 for a file that can't be read. Unless `calyPlik`
// is Nie, also 2 for a file that defines no key or has lines that leave no
// definition (a code of no key, a key given again), each named with its
// number.
int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err,
                     CalyPlik calyPlik = CalyPlik::Nie);

// The format message for the bad line `zlaLinia`, number `numer`, of the file
// `nazwa`, for the terminal: "NAZWA: Błędny format pliku wejsciowego, linia
// N: " and the line. `nazwa` is shown as given (a path's bytes, or a UTF-8
// text).
std::string KomunikatFormatu(const std::string& nazwa, size_t numer, const std::string& zlaLinia);

} // namespace orbaklaw::cli

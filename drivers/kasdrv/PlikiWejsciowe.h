#pragma once
// The input files of the exchanges, checked as the register library does:
// the request file, the key-definition file and the deletion request.

#include "format/DefinicjaKlawisza.h"
#include "orbaklaw/kasdrv_kody.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbaklaw::kasdrv {

struct Naglowek {
    uint8_t kod = 0;
    int numer = 0; // register number 1..99 when kod is 0
};

// The three header lines: "#" + register number, "#", "#".
Naglowek CzytajNaglowek(const std::vector<std::string>& linie);

struct Definicje {
    uint8_t kod = 0;
    int numer = 0;
    // the 64 keys in file order with their codes, then a record for every
    // line whose code belongs to no key (the register refuses those)
    std::vector<DefinicjaKlawisza> klawisze;
};

Definicje CzytajDefinicje(const std::vector<std::string>& linie);

// 10, 11 or 12 for a key line that the definition parser refused.
uint8_t KodZlejLinii(const std::string& linia);

struct Kasowanie {
    uint8_t kod = 0;
    int numer = 0;
    std::vector<uint16_t> kody;
};

Kasowanie CzytajKasowanie(const std::vector<std::string>& linie);

} // namespace orbaklaw::kasdrv

#pragma once
// What the key editor keeps for the whole run: the 64 definitions, the
// goods names read from the register, the register's program version
// (which decides the options offered) and the key last shown in the panel.
// The program state holds it; the editor's classes get a pointer to it.

#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orbaklaw {

struct StanKlawiszy {
    TabliceKlawiszy tablice;   // the 64 key definitions
    TabliceKlawiszy zachowane; // the definitions as last read, written or loaded
    Towary towary;             // goods names from the register
    // The register's names of payment forms 1..3 (plat.txt), Windows-1250.
    std::array<std::optional<std::string>, 3> platnosci;
    uint8_t WersjaKasy = 0;      // register program version, 0 until identified
    uint8_t OstatniKlawisz = 0;  // position last shown in the editor panel
    std::string ZrodloDefinicji; // UTF-8: what `zachowane` were read from or written to
};

// Whether the definitions in the window hold work that exists nowhere else:
// they are compared, as a definition file holds them, with those last read
// from the register or a file, or last written to one.

// True when the tables differ in meaning from those kept by ZapamietajDefinicje.
bool DefinicjeZmienione(const StanKlawiszy& stan);

// The tables as they are now have just been read, written or loaded.
void ZapamietajDefinicje(StanKlawiszy& stan);
// The same, naming where from or where to (UTF-8): "odczyt z kasy nr 01",
// "plik <path>", "kopia zapasowa <path>", "zapis do kasy nr 01",
// "zapis do pliku <path>".
void ZapamietajDefinicje(StanKlawiszy& stan, std::string zrodlo);

// Where the tables come from, for the key listing: the last of those, with
// ", potem zmienione" when they were changed since. Empty when the tables
// were never read, loaded or written.
std::string OpisZrodla(const StanKlawiszy& stan);

} // namespace orbaklaw

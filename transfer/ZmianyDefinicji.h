#pragma once
// Whether the definitions in the window hold work that exists nowhere else:
// they are compared, as a definition file holds them, with those last read
// from the register or a file, or last written to one.

#include "keys/StanKlawiszy.h"

#include <string>

namespace orbaklaw {

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

#pragma once
// The --json output of orbaklaw-cli: one JSON document on stdout, texts in
// UTF-8. Keys are the program's own names in lower camel case.

#include "cli/OpisKlawisza.h"
#include "format/DefinicjaKlawisza.h"
#include "format/KodyKlawiszy.h"

#include <string>

namespace orbaklaw::cli {

// A JSON string of UTF-8 text, quotes included.
std::string JsonTekst(const std::string& utf8);

// One definition: {"rodzaj": n, "opis": "...", the kind's fields, and
// "nazwa" when the register's name of the goods or payment is known}.
std::string JsonDefinicji(const DefinicjaKlawisza& d, const NazwyKasy& nazwy = {});

// "wariant": "...", "klawisz": "...", "kod": n (members, no braces).
std::string JsonMiejsca(MiejsceKlawisza m);

} // namespace orbaklaw::cli

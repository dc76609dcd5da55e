#pragma once
// A write or a deletion whose request left whole and whose reply was lost or
// broken may have been carried out all the same: the register acts on a
// whole request before it answers. Rather than guess, the register's
// definitions are read back once and compared with what the change should
// leave and with what the register held before. The window and
// orbaklaw-cli both judge by this, and say the same.

#include "format/TabliceKlawiszy.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orbaklaw {

enum class StanPoZmianie {
    Nowe,    // the register holds what the change should leave: it was done
    Stare,   // the register holds what it held before: it was not done
    Inne,    // the register holds neither
    NieNowe, // not what the change should leave; what it held before is unknown
    Nieznany // its definitions could not be read
};

struct ZmianaWKasie {
    bool kasowanie = false;  // a deletion (else a write)
    TabliceKlawiszy wyslane; // of a write: the definitions sent
    // What the register held before (its backup); none when not read.
    std::optional<TabliceKlawiszy> poprzednie;
};

// Whether after the result `kod` of a write or a deletion the register may
// have acted: no reply, one that came broken, or NAKs after a broken one
// (21, 23, 24). A request that could not be sent, another register on the
// line and a refusal leave the register as it was.
bool ZmianaMoglaDojsc(uint8_t kod);

// What the register holds, judged from the definition file `odczytane` read
// from it (none when the read failed).
StanPoZmianie OcenStan(const ZmianaWKasie& zmiana, const std::optional<std::string>& odczytane);

// For a result after which the register may have acted, reads the
// register's definitions once through `odczytaj` (the reply file's text,
// none when the read failed) and judges them; none for any other result,
// without reading.
std::optional<StanPoZmianie>
SprawdzPoZmianie(uint8_t kod, const ZmianaWKasie& zmiana,
                 const std::function<std::optional<std::string>()>& odczytaj);

// The definitions of a definition file's text; none when there is no text
// or it is no definition file.
std::optional<TabliceKlawiszy> DefinicjeZTekstu(const std::optional<std::string>& tekst);

// What the register should hold after the change: the definitions sent, or
// after a deletion those before with the deletable keys cleared (without
// them, those of `odczytane` so).
TabliceKlawiszy Oczekiwane(const ZmianaWKasie& zmiana, const TabliceKlawiszy& odczytane);

// What the user is told of the state (Windows-1250).
std::string OpisStanu(StanPoZmianie stan, bool kasowanie);

} // namespace orbaklaw

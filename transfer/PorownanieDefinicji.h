#pragma once
// Two sets of key definitions compared key by key, in the file's key order.
// Two keys are equal when the definition file would hold the same line for
// them: fields a kind doesn't use don't count, nor does the register number.
// The window and orbaklaw-cli both compare by this.

#include "format/TabliceKlawiszy.h"
#include "transfer/OpisKlawisza.h"

#include <string>
#include <vector>

namespace orbaklaw {

struct RoznicaKlawisza {
    MiejsceKlawisza miejsce;
    DefinicjaKlawisza a;
    DefinicjaKlawisza b;
};

std::vector<RoznicaKlawisza> Porownaj(const TabliceKlawiszy& a, const TabliceKlawiszy& b);

// The keys of `t` that hold a definition, in the file's key order.
std::vector<MiejsceKlawisza> Zdefiniowane(const TabliceKlawiszy& t);

// How many keys a write of `nowe` over `stare` defines anew (+), clears (-)
// and changes (~).
struct LiczbaZmian {
    size_t dodane = 0;
    size_t usuniete = 0;
    size_t zmienione = 0;
};
LiczbaZmian PoliczZmiany(const std::vector<RoznicaKlawisza>& roznice);

// "+N -N ~N" (the keys defined anew, cleared, changed).
std::string OpisLiczbyZmian(const LiczbaZmian& liczba);

// One difference for people: variant TAB key TAB a's definition TAB b's
// (Windows-1250).
std::string OpisRoznicy(const RoznicaKlawisza& r, const NazwyKasy& nazwy = {});

} // namespace orbaklaw

#pragma once
// The listing of the 64 key definitions that technicians print for the
// shop's staff: one row per key in the order of the definition file, with
// the register's names where they are known. Texts are Windows-1250 bytes.

#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

struct WierszListyKlawiszy {
    std::string wariant;   // "BEZP.", "LEWY ALT", ...
    std::string klawisz;   // "F1".."F9", "0".."9"
    std::string rodzaj;    // the kind's name
    std::string definicja; // goods number and name, function, payment form
    std::string kwota;     // a payment's amount, "12,50"
    // A goods item's flags: single piece, price to be typed, ends the receipt.
    std::array<bool, 3> flagi{};
};

// The register's names, when known: its goods base and the names of its
// payment forms 1..3.
struct NazwyZKasy {
    const Towary* towary = nullptr;
    std::array<std::optional<std::string>, 3> platnosci;
};

std::vector<WierszListyKlawiszy> WierszeListyKlawiszy(const TabliceKlawiszy& tablice,
                                                      const NazwyZKasy& nazwy = {});

// The heading line: "Kasa nr NN", the date and where the definitions came from.
struct NaglowekListyKlawiszy {
    std::string numerKasy; // empty when unknown
    std::string data;      // "2026-12-09 10:30"
    std::string zrodlo;    // UTF-8: a file's path, or the register it was read from
};

} // namespace orbaklaw

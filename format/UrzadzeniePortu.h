#pragma once
// The one answer to "which serial device is COM n", for the program, the
// register libraries and orbaklaw-cli alike: $ORBAKLAW_COM<n> when it is
// set, else the user's port assignment (comm/PrzypisaniePortow.h), else the
// system's default device of that port.

#include "files/PlikTekstowy.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

enum class ZrodloUrzadzenia { Zmienna, Przypisanie, Domyslne };

struct UrzadzenieComN {
    std::string urzadzenie; // empty when `blad`
    ZrodloUrzadzenia zrodlo = ZrodloUrzadzenia::Domyslne;
    // The assignment file is there but can't be used: no device is taken
    // (its path, then "linia N: " and what is wrong, or why it can't be read).
    std::optional<BladWejsciaWyjscia> blad;
};

// What goes before such a failure in a message (Windows-1250).
const char* BlednePrzypisaniePortow();

// With the assignment read from `plikPrzypisania` (tests name their own).
UrzadzenieComN UrzadzenieCom(int com, const std::filesystem::path& plikPrzypisania);
// With the current user's assignment file.
UrzadzenieComN UrzadzenieCom(int com);

// Just the device (empty when the assignment file can't be used).
std::string UrzadzeniePortu(int com);

} // namespace orbaklaw

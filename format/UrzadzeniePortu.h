#pragma once
// The one answer to "which serial device is COM n", for the program, the
// register libraries and orbaklaw-cli alike: $ORBAKLAW_COM<n> when it is
// set, else the user's port assignment (comm/PrzypisaniePortow.h), else the
// system's default device of that port.

#include <filesystem>
#include <string>

namespace orbaklaw {

enum class ZrodloUrzadzenia { Zmienna, Przypisanie, Domyslne };

struct UrzadzenieComN {
    std::string urzadzenie;
    ZrodloUrzadzenia zrodlo = ZrodloUrzadzenia::Domyslne;
};

// With the assignment read from `plikPrzypisania` (tests name their own).
UrzadzenieComN UrzadzenieCom(int com, const std::filesystem::path& plikPrzypisania);
// With the current user's assignment file.
UrzadzenieComN UrzadzenieCom(int com);

// Just the device.
std::string UrzadzeniePortu(int com);

} // namespace orbaklaw

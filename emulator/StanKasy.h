#pragma once
// The memory of one emulated register: 64 key definitions, 511 goods names
// (CP852) and three payment names (Windows-1250, as the program shows them). With a folder it is
// kept there, in the program's own formats, and written atomically after every change:
//   klawisze.txt  key-definition file
//   towary.txt    "$" number TAB name, after three header lines
//   plat.txt      "$1".."$3" TAB name, after three header lines
// A new folder gets a demo goods base.

#include "files/BladWejsciaWyjscia.h"
#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw::emulator {

class StanKasy {
public:
    // No folder: the memory lives only as long as the process.
    explicit StanKasy(std::optional<std::filesystem::path> folder = std::nullopt);

    const TabliceKlawiszy& Klawisze() const { return klawisze_; }
    const Towary& Towary_() const { return towary_; }
    const std::array<std::string, 3>& Platnosci() const { return platnosci_; }

    // Replaces the definitions and saves them; the reason when they can't
    // be saved (the memory then stays as it was).
    WynikPliku<void> UstawKlawisze(const TabliceKlawiszy& klawisze);

private:
    WynikPliku<void> Wczytaj();
    WynikPliku<void> ZapiszWszystko() const;
    WynikPliku<void> ZapiszKlawisze(const TabliceKlawiszy& klawisze) const;
    void UstawDemo();

    std::optional<std::filesystem::path> folder_;
    TabliceKlawiszy klawisze_;
    Towary towary_;
    std::array<std::string, 3> platnosci_;
};

} // namespace orbaklaw::emulator

#pragma once
// What every register command of orbaklaw-cli shares: the register number
// of KONFIG.TXT, the request file, and the result of one library call told
// to the user.

#include "comm/BibliotekaKasdrv.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace orbaklaw::cli {

class WymianaCli {
public:
    explicit WymianaCli(std::ostream& err) : err_(err) {}

    // The register number of KONFIG.TXT; none (after a message) when there
    // is no readable configuration.
    std::optional<std::string> NumerKasy();

    // Writes "123.@#$" for the register of KONFIG.TXT; false after a message.
    bool PlikZapytania();

    // Runs one call; 0 when the register accepted. Otherwise the code's
    // message has been printed and the result is the exit code.
    int Wywolaj(const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie);

    // Prints a failure (a Windows-1250 text) and gives `kod` back.
    int Blad(const std::string& tekst1250, int kod);

private:
    std::ostream& err_;
    uint8_t kodBledu_ = 0;
};

constexpr const char* PlikZapytaniaCli = "123.@#$";

} // namespace orbaklaw::cli

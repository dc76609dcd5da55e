#pragma once
// Saving the communication parameters: the side file "in" and KONFIG.TXT,
// both written through the register library's file helpers.

#include "comm/BibliotekaDynamiczna.h"
#include "format/Konfiguracja.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw {

class BibliotekaKasdrv;
class Dialogi;
struct StanProgramu;

class ZapisKonfiguracji {
public:
    ZapisKonfiguracji(BibliotekaKasdrv& kasdrv, Dialogi& dialogi, StanProgramu& stan)
        : kasdrv_(kasdrv), dialogi_(dialogi), stan_(stan) {}

    // Sets NumerKasy from the last link test (without one `numerZPliku`, the
    // number KONFIG.TXT held, or "01" when it is empty) and writes both
    // files. True when both are in place; otherwise the user has been
    // told "Nie zapisano parametrów komunikacji." and nothing more is written.
    // A failure when the library can't be used (nothing said yet).
    ZBiblioteki<bool> Zapisz(const UstawieniaKomunikacji& u, const std::string& numerZPliku = {});

private:
    // Opens a file for writing; none (and the message) when it can't be.
    ZBiblioteki<std::optional<int32_t>> Otworz(const std::string& nazwa);
    // Writes the lines and closes the file; false when a line fails or the
    // file can't be put in place (a failed line names its code first when
    // KodBledu holds one).
    ZBiblioteki<bool> Dokoncz(int32_t uchwyt, const std::vector<std::string>& linie);
    void NieZapisano();

    BibliotekaKasdrv& kasdrv_;
    Dialogi& dialogi_;
    StanProgramu& stan_;
};

} // namespace orbaklaw

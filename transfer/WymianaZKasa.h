#pragma once
// What the transfer buttons share around a register action: the register
// number from konfig.txt (or the communication dialog when it is missing)
// and the register session of the action in the working folder, whose
// library calls run with the window repainted and the busy cursor shown.

#include "comm/BibliotekaKasdrv.h"
#include "files/PlikTekstowy.h"
#include "files/Wynik.h"
#include "transfer/OknoTransferu.h"
#include "transfer/SesjaKasy.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace orbaklaw {

class WymianaZKasa {
public:
    explicit WymianaZKasa(const OknoTransferu& okno) : okno_(okno) {}
    ~WymianaZKasa();
    WymianaZKasa(const WymianaZKasa&) = delete;
    WymianaZKasa& operator=(const WymianaZKasa&) = delete;

    // The register number of konfig.txt when the file exists. Otherwise shows
    // `komunikat` and then the communication dialog, and gives none. A file
    // that exists but can't be read is a failure.
    Wynik<std::optional<std::string>, BladWejsciaWyjscia>
    NumerZKonfiguracji(const QString& komunikat = BrakKonfiguracji());

    // "Należy ustawić parametry komunikacji"
    static QString BrakKonfiguracji();

    // The session of this action with register `numerKasy`, made at the
    // first call: a library of its own, let go with this object. Its
    // exchanges set KodBledu of the program state.
    SesjaKasy& Sesja(const std::string& numerKasy);

private:
    const OknoTransferu& okno_;
    std::unique_ptr<BibliotekaKasdrv> kasdrv_;
    std::unique_ptr<SesjaKasy> sesja_;
};

} // namespace orbaklaw

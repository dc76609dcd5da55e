#pragma once
// What the transfer buttons share around a register exchange: the register
// number from konfig.txt (or the communication dialog when it is missing)
// and one library call with the window repainted and the busy cursor shown.

#include "comm/BibliotekaKasdrv.h"
#include "transfer/OknoTransferu.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orbaklaw {

class WymianaZKasa {
public:
    explicit WymianaZKasa(const OknoTransferu& okno) : okno_(okno) {}

    // The register number of konfig.txt when the file exists. Otherwise shows
    // `komunikat` and then the communication dialog, and gives none. A file
    // that exists but can't be read throws BladWejsciaWyjscia.
    std::optional<std::string> NumerZKonfiguracji(const QString& komunikat);

    // One call into the register library; its result is also in KodBledu.
    // The cursor comes back whatever the call does.
    uint8_t Wywolaj(const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie);

private:
    const OknoTransferu& okno_;
};

} // namespace orbaklaw

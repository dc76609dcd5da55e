#pragma once
// How one register action ended, for whoever tells the user: the window
// shows it in a message box, orbaklaw-cli prints it and sets its exit code.
// Nothing here is worded for people but what the library or the system
// said (Windows-1250).

#include "files/PlikTekstowy.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orbaklaw {

enum class Niepowodzenie {
    Brak,       // done
    Kasa,       // the library's result `kod` was not 0
    Zapytanie,  // the request file could not be made
    Odpowiedz,  // the reply is no definition file (`linia`, `zlaLinia`)
    Plik,       // a file of the exchange could not be written or read (`plik`)
    Biblioteka, // the library or one of its functions is missing (`powod`)
    NumerKasy   // the register number can't be sent (`powod`)
};

struct [[nodiscard]] WynikKasy {
    Niepowodzenie rodzaj = Niepowodzenie::Brak;
    uint8_t kod = 0;
    // What the library knows beyond its code (a port held by another
    // program); on success a warning (a report line it could not write).
    std::string powod;
    std::optional<BladWejsciaWyjscia> plik;
    size_t linia = 0;
    std::string zlaLinia;

    bool Udany() const { return rodzaj == Niepowodzenie::Brak; }
};

} // namespace orbaklaw

#pragma once
// "Odczyt z kasy" and "Odczyt z pliku": all key definitions at once, from
// the register (through "klawisz.txt") or from a file the user picks.
// Reading is all or nothing: the file is parsed into a cleared copy of the
// tables, which replaces them only when every line was good.

#include "transfer/OknoTransferu.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

class Dialogi;

class OdczytDefinicji {
public:
    explicit OdczytDefinicji(const OknoTransferu& okno);

    void ZKasy();
    void ZPliku();
    // "Wczytaj" in "Kopie zapasowe": the backup `plik`, as "Odczyt z pliku"
    // would take it.
    void ZKopii(const std::filesystem::path& plik);

private:
    // Asks the register for "klawisz.txt"; false when nothing is to be read.
    bool PobierzZKasy();
    // Takes the file into the tables, `zrodlo` (UTF-8) naming where they
    // now come from; false when it was refused (and told).
    bool Wczytaj(const std::filesystem::path& plik, std::string zrodlo);
    void PokazWynik();

    const OknoTransferu& okno_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

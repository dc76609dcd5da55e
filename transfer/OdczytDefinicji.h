#pragma once
// "Odczyt z kasy" and "Odczyt z pliku": all key definitions at once, from
// the register (through "klawisz.txt") or from a file the user picks.
// Reading is all or nothing: the file is parsed into a cleared copy of the
// tables, which replaces them only when every line was good.

#include "comm/BibliotekaKasdrv.h"

#include <filesystem>
#include <optional>

namespace orbaklaw {

class Dialogi;
class TForm3;

class OdczytDefinicji {
public:
    OdczytDefinicji(TForm3& okno, Dialogi& dialogi, const std::optional<FunkcjeKasdrv>& funkcje);

    void ZKasy();
    void ZPliku();

private:
    // Asks the register for "klawisz.txt"; false when nothing is to be read.
    bool PobierzZKasy();
    void Wczytaj(const std::filesystem::path& plik);
    void PokazWynik();

    TForm3& okno_;
    Dialogi& dialogi_;
    const std::optional<FunkcjeKasdrv>& funkcje_;
};

} // namespace orbaklaw

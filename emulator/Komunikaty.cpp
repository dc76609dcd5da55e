#include "emulator/Komunikaty.h"

#include "files/BladSystemu.h"
#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"

namespace orbaklaw::emulator {

std::string PowodSystemu(int numer) {
    return Utf8ZeStrony(Strona1250, OpisBleduSystemu(numer));
}

std::string TekstWyjatku(const std::exception& e) {
    // A file's failure: the path as the system spells it, the reason in
    // Windows-1250.
    if (const auto* plik = dynamic_cast<const BladWejsciaWyjscia*>(&e)) {
        const std::string powod = Utf8ZeStrony(Strona1250, plik->Powod());
        if (!plik->Sciezka().empty())
            return plik->Sciezka() + ": " + powod;
        return Utf8ZeStrony(Strona1250, plik->what());
    }
    return e.what();
}

} // namespace orbaklaw::emulator

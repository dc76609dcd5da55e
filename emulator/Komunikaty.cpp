#include "emulator/Komunikaty.h"

#include "files/BladSystemu.h"
#include "files/BladWejsciaWyjscia.h"
#include "files/StronyKodowe.h"

namespace orbaklaw::emulator {

std::string PowodSystemu(int numer) {
    return Utf8ZeStrony(Strona1250, OpisBleduSystemu(numer));
}

std::string TekstWyjatku(const std::exception& e) {
    return e.what();
}

std::string TekstBleduPliku(const BladWejsciaWyjscia& blad) {
    if (!blad.Sciezka().empty())
        return blad.Sciezka() + ": " + Utf8ZeStrony(Strona1250, blad.Powod());
    return Utf8ZeStrony(Strona1250, blad.Komunikat());
}

} // namespace orbaklaw::emulator

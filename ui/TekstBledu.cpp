#include "ui/TekstBledu.h"

#include "files/BladWejsciaWyjscia.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

QString TekstBledu(const std::exception& blad) {
    return Z1250(blad.what());
}

QString TekstBledu(const BladWejsciaWyjscia& blad) {
    if (!blad.Sciezka().empty())
        return SciezkaDoPokazania(blad.Sciezka()) + QStringLiteral(": ") + Z1250(blad.Powod());
    return Z1250(blad.Komunikat());
}

} // namespace orbaklaw

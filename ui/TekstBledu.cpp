#include "ui/TekstBledu.h"

#include "files/PlikTekstowy.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

QString TekstBledu(const std::exception& blad) {
    const auto* wejscieWyjscie = dynamic_cast<const BladWejsciaWyjscia*>(&blad);
    if (wejscieWyjscie != nullptr && !wejscieWyjscie->Sciezka().empty())
        return SciezkaDoPokazania(wejscieWyjscie->Sciezka()) + QStringLiteral(": ") +
               Z1250(wejscieWyjscie->Powod());
    return Z1250(blad.what());
}

} // namespace orbaklaw

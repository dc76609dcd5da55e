#include "app/TekstBledu.h"

#include "app/SciezkaSystemu.h"
#include "app/Tekst1250.h"
#include "transfer/PlikTekstowy.h"

namespace orbaklaw {

QString TekstBledu(const std::exception& blad) {
    const auto* wejscieWyjscie = dynamic_cast<const BladWejsciaWyjscia*>(&blad);
    if (wejscieWyjscie != nullptr && !wejscieWyjscie->Sciezka().empty())
        return SciezkaDoPokazania(wejscieWyjscie->Sciezka()) + QStringLiteral(": ") +
               Z1250(wejscieWyjscie->Powod());
    return Z1250(blad.what());
}

} // namespace orbaklaw

#include "keys/OstrzezeniaWersji.h"

#include "format/ListyWyboru.h"
#include "keys/KomunikatyPanelu.h"
#include "keys/StanKlawiszy.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

#include <QComboBox>

namespace orbaklaw {

namespace {
// Version 0 means no register has been identified yet: no warning then.
bool KasaBezEuro(const StanKlawiszy& stan) {
    const uint8_t wersja = stan.WersjaKasy;
    return wersja != 0 && wersja < 2;
}
} // namespace

OstrzezeniaWersji::OstrzezeniaWersji(QComboBox& cbPlatnosc, QComboBox& cbFunkcja, Dialogi& dialogi,
                                     const Akcje& akcje, const StanKlawiszy& stan)
    : cbPlatnosc_(cbPlatnosc), cbFunkcja_(cbFunkcja), dialogi_(dialogi), stan_(&stan) {
    // The panel sets the choosers with their signals blocked, so only the
    // user's changes get here.
    akcje.Podlacz(&cbPlatnosc_, &QComboBox::currentIndexChanged, this,
                  [this] { cbPlatnoscChange(); });
    akcje.Podlacz(&cbFunkcja_, &QComboBox::currentIndexChanged, this,
                  [this] { cbFunkcjaChange(); });
}

void OstrzezeniaWersji::cbPlatnoscChange() {
    if (cbPlatnosc_.currentIndex() == PozycjaEuro)
        Ostrzez();
}

void OstrzezeniaWersji::cbFunkcjaChange() {
    if (cbFunkcja_.currentIndex() == FunkcjaWylaczenieKasy - 1)
        Ostrzez();
}

void OstrzezeniaWersji::Ostrzez() {
    if (KasaBezEuro(*stan_))
        dialogi_.Komunikat(Z1250(KomunikatWersjiKasy()));
}

} // namespace orbaklaw

#include "transfer/TransferDefinicji.h"

#include "transfer/KasowanieDefinicji.h"
#include "transfer/OdczytDefinicji.h"
#include "transfer/ZapisDefinicji.h"

namespace orbaklaw {

namespace {
bool Nadawca(const QObject* nadawca, const char* nazwa) {
    return nadawca != nullptr && nadawca->objectName() == QLatin1String(nazwa);
}
} // namespace

void TransferDefinicji::bOdczytClick(QObject* nadawca) {
    OdczytDefinicji odczyt(okno_);
    if (Nadawca(nadawca, "bOdczytPlik"))
        odczyt.ZPliku();
    else
        odczyt.ZKasy();
}

void TransferDefinicji::bZapisClick(QObject* nadawca) {
    ZapisDefinicji zapis(okno_);
    if (Nadawca(nadawca, "bZapisPlik"))
        zapis.DoPliku();
    else
        zapis.DoKasy();
}

void TransferDefinicji::bKasowanieClick() {
    KasowanieDefinicji(okno_).Wykonaj();
}

} // namespace orbaklaw

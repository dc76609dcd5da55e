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

TransferDefinicji::TransferDefinicji(TForm3& okno, Dialogi& dialogi)
    : okno_(okno), dialogi_(dialogi) {}

void TransferDefinicji::bOdczytClick(QObject* nadawca) {
    OdczytDefinicji odczyt(okno_, dialogi_, funkcje_);
    if (Nadawca(nadawca, "bOdczytPlik"))
        odczyt.ZPliku();
    else
        odczyt.ZKasy();
}

void TransferDefinicji::bZapisClick(QObject* nadawca) {
    ZapisDefinicji zapis(okno_, dialogi_, funkcje_);
    if (Nadawca(nadawca, "bZapisPlik"))
        zapis.DoPliku();
    else
        zapis.DoKasy();
}

void TransferDefinicji::bKasowanieClick() {
    KasowanieDefinicji(okno_, dialogi_, funkcje_).Wykonaj();
}

} // namespace orbaklaw

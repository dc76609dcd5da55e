#include "comm/BibliotekiKasy.h"

#include "comm/WymianaWTle.h"
#include "state/Stan.h"

namespace orbaklaw {

void BibliotekiKasy::UzyjWatku(Dialogi& dialogi) {
    dialogi_ = &dialogi;
    Przygotuj();
}

void BibliotekiKasy::Przygotuj() {
    if (dialogi_ == nullptr)
        return;
    if (kasdrv_)
        kasdrv_->UstawWykonawce(
            WymianaWTle(*dialogi_, [k = kasdrv_.get()] { return k->Postep(); }));
    if (komPort_)
        komPort_->UstawWykonawce(WymianaWTle(*dialogi_));
}

void BibliotekiKasy::UstawKasdrv(std::unique_ptr<BibliotekaKasdrv> kasdrv) {
    kasdrv_ = std::move(kasdrv);
    Przygotuj();
}

void BibliotekiKasy::UstawKomPort(std::unique_ptr<WinSer> komPort) {
    komPort_ = std::move(komPort);
    Przygotuj();
}

BibliotekaKasdrv& BibliotekiKasy::Kasdrv() {
    if (!kasdrv_)
        UstawKasdrv(std::make_unique<BibliotekaKasdrv>(Stan().KodBledu));
    return *kasdrv_;
}

WinSer& BibliotekiKasy::KomPort() {
    if (!komPort_)
        UstawKomPort(std::make_unique<WinSer>());
    return *komPort_;
}

} // namespace orbaklaw

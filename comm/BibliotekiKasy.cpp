#include "comm/BibliotekiKasy.h"

#include "app/Stan.h"

namespace orbaklaw {

BibliotekaKasdrv& BibliotekiKasy::Kasdrv() {
    if (!kasdrv_)
        kasdrv_ = std::make_unique<BibliotekaKasdrv>(Stan().KodBledu);
    return *kasdrv_;
}

WinSer& BibliotekiKasy::KomPort() {
    if (!komPort_)
        komPort_ = std::make_unique<WinSer>();
    return *komPort_;
}

} // namespace orbaklaw

#include "comm/BibliotekiKasy.h"

#include "comm/PostepOperacji.h"
#include "comm/WymianaWTle.h"

namespace orbaklaw {

void BibliotekiKasy::UzyjWatku(Dialogi& dialogi) {
    dialogi_ = &dialogi;
    if (kasdrv_)
        Przygotuj(*kasdrv_);
    if (komPort_)
        Przygotuj(*komPort_);
}

void BibliotekiKasy::Przygotuj(BibliotekaKasdrv& kasdrv) const {
    if (dialogi_ != nullptr)
        kasdrv.UstawWykonawce(WymianaWTle(
            *dialogi_, [k = &kasdrv] { return k->Postep(); }, &operacja_));
}

void BibliotekiKasy::Przygotuj(WinSer& komPort) const {
    if (dialogi_ != nullptr)
        komPort.UstawWykonawce(WymianaWTle(*dialogi_));
}

BibliotekaKasdrv BibliotekiKasy::Utworz() const {
    return funkcje_ ? BibliotekaKasdrv(*funkcje_) : BibliotekaKasdrv();
}

void BibliotekiKasy::UzyjKasdrv(const FunkcjeKasdrv& funkcje) {
    funkcje_ = funkcje;
    kasdrv_.reset();
}

void BibliotekiKasy::UstawKomPort(std::unique_ptr<WinSer> komPort) {
    komPort_ = std::move(komPort);
    if (komPort_)
        Przygotuj(*komPort_);
}

BibliotekaKasdrv& BibliotekiKasy::Kasdrv() {
    if (!kasdrv_) {
        kasdrv_ = std::make_unique<BibliotekaKasdrv>(Utworz());
        Przygotuj(*kasdrv_);
    }
    return *kasdrv_;
}

std::unique_ptr<BibliotekaKasdrv> BibliotekiKasy::NowaKasdrv() {
    auto kasdrv = std::make_unique<BibliotekaKasdrv>(Utworz());
    Przygotuj(*kasdrv);
    return kasdrv;
}

std::unique_ptr<PostepOperacji> BibliotekiKasy::Operacja(const QString& tekst, int wywolan) {
    if (dialogi_ == nullptr)
        return nullptr;
    return std::make_unique<PostepOperacji>(*dialogi_, tekst, wywolan, operacja_);
}

WinSer& BibliotekiKasy::KomPort() {
    if (!komPort_)
        UstawKomPort(std::make_unique<WinSer>());
    return *komPort_;
}

} // namespace orbaklaw

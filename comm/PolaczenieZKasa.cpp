#include "comm/PolaczenieZKasa.h"

#include "comm/OknoPortow.h"
#include "comm/TOknoKomunik.h"
#include "ui/Dialogi.h"
#include "ui/MenuOkna.h"

#include <utility>

namespace orbaklaw {

PolaczenieZKasa::PolaczenieZKasa(OknoPolaczenia okno, StanProgramu& stan)
    : okno_(std::move(okno)), dialogi_(*okno_.dialogi), stan_(stan) {
    biblioteki_.UzyjWatku(dialogi_);
}

void PolaczenieZKasa::UtworzOknoKomunik() {
    if (oknoKomunik_ == nullptr)
        oknoKomunik_ = new TOknoKomunik(okno_.okno, dialogi_, *okno_.akcje, *okno_.klepsydra,
                                        biblioteki_, stan_);
}

TOknoKomunik& PolaczenieZKasa::OknoKomunik() {
    UtworzOknoKomunik();
    return *oknoKomunik_;
}

void PolaczenieZKasa::Button4Click() {
    PokazOknoKomunik();
}

void PolaczenieZKasa::PokazOknoKomunik() {
    dialogi_.Modalnie(OknoKomunik());
}

void PolaczenieZKasa::DodajDoMenu(MenuOkna& menu) {
    menu.Dodaj(QStringLiteral("&Kasa"), QStringLiteral("&Porty szeregowe..."),
               QStringLiteral("PortySzeregowe"), [this] { PortySzeregowe(); });
}

void PolaczenieZKasa::PortySzeregowe() {
    OknoPortow okno(okno_.okno, dialogi_, *okno_.akcje);
    dialogi_.Modalnie(okno);
    if (oknoKomunik_ != nullptr)
        oknoKomunik_->PokazUrzadzenie();
}

} // namespace orbaklaw

#include "comm/PolaczenieZKasa.h"

#include "comm/OdczytStartowy.h"
#include "comm/TOknoKomunik.h"
#include "ui/Dialogi.h"

#include <utility>

namespace orbaklaw {

PolaczenieZKasa::PolaczenieZKasa(OknoPolaczenia okno, StanProgramu& stan)
    : okno_(std::move(okno)), dialogi_(*okno_.dialogi), biblioteki_(stan) {
    biblioteki_.UzyjWatku(dialogi_);
}

void PolaczenieZKasa::UtworzOknoKomunik() {
    if (oknoKomunik_ == nullptr)
        oknoKomunik_ =
            new TOknoKomunik(okno_.okno, dialogi_, *okno_.akcje, *okno_.klepsydra, biblioteki_);
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

void PolaczenieZKasa::OdczytStartowy() {
    orbaklaw::OdczytStartowy(okno_, biblioteki_, [this] { PokazOknoKomunik(); }).Wykonaj();
}

} // namespace orbaklaw

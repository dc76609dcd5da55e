#include "comm/PolaczenieZKasa.h"

#include "app/Unit3.h"
#include "comm/OdczytStartowy.h"
#include "comm/TOknoKomunik.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

PolaczenieZKasa::PolaczenieZKasa(TForm3& okno, Dialogi& dialogi) : okno_(okno), dialogi_(dialogi) {
    biblioteki_.UzyjWatku(dialogi_);
}

void PolaczenieZKasa::UtworzOknoKomunik() {
    if (oknoKomunik_ == nullptr)
        oknoKomunik_ =
            new TOknoKomunik(&okno_, dialogi_, okno_.AkcjeOkna(), okno_.Klepsydra(), biblioteki_);
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

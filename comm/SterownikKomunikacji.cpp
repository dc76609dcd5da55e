#include "comm/SterownikKomunikacji.h"

#include "app/Dialogi.h"
#include "app/Unit3.h"
#include "comm/OdczytStartowy.h"
#include "comm/TOknoKomunik.h"

namespace orbaklaw {

SterownikKomunikacji::SterownikKomunikacji(TForm3& okno, Dialogi& dialogi)
    : okno_(okno), dialogi_(dialogi) {
    biblioteki_.UzyjWatku(dialogi_);
}

void SterownikKomunikacji::UtworzOknoKomunik() {
    if (oknoKomunik_ == nullptr)
        oknoKomunik_ =
            new TOknoKomunik(&okno_, dialogi_, okno_.AkcjeOkna(), okno_.Klepsydra(), biblioteki_);
}

TOknoKomunik& SterownikKomunikacji::OknoKomunik() {
    UtworzOknoKomunik();
    return *oknoKomunik_;
}

void SterownikKomunikacji::Button4Click() {
    PokazOknoKomunik();
}

void SterownikKomunikacji::PokazOknoKomunik() {
    dialogi_.Modalnie(OknoKomunik());
}

void SterownikKomunikacji::OdczytStartowy() {
    orbaklaw::OdczytStartowy(okno_, biblioteki_, [this] { PokazOknoKomunik(); }).Wykonaj();
}

} // namespace orbaklaw

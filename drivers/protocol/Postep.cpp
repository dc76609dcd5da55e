#include "drivers/protocol/Postep.h"

namespace orbaklaw::protocol {

void Postep::Zacznij() {
    zrobione_ = 0;
    oczekiwane_ = 0;
    trwa_ = true;
}

void Postep::Zakoncz() {
    trwa_ = false;
}

void Postep::Oczekuj(int64_t bajty) {
    oczekiwane_.fetch_add(static_cast<uint32_t>(bajty));
}

void Postep::Zrobiono(int64_t bajty) {
    zrobione_.fetch_add(static_cast<uint32_t>(bajty));
}

bool Postep::Odczytaj(uint32_t& zrobione, uint32_t& oczekiwane) const {
    if (!trwa_) {
        zrobione = oczekiwane = 0;
        return false;
    }
    zrobione = zrobione_;
    oczekiwane = oczekiwane_;
    if (oczekiwane < zrobione)
        oczekiwane = zrobione;
    return true;
}

} // namespace orbaklaw::protocol

#pragma once
// "Porównaj z kasą" (menu "Kasa"): the register's definitions are read and
// the keys whose definitions differ from the tables are listed; nothing is
// written, neither into the register nor into the tables.

#include "transfer/OknoTransferu.h"

namespace orbaklaw {

class PorownanieZKasa {
public:
    explicit PorownanieZKasa(const OknoTransferu& okno) : okno_(okno) {}

    void Wykonaj();

private:
    const OknoTransferu& okno_;
};

} // namespace orbaklaw

#include "comm/PokazBlad.h"

#include "format/KomunikatyBledow.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

void PokazBlad(Dialogi& dialogi, uint8_t kodBledu) {
    dialogi.Blad(Z1250(KomunikatBledu(kodBledu)));
}

} // namespace orbaklaw

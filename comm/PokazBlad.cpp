#include "comm/PokazBlad.h"

#include "app/Dialogi.h"
#include "app/Tekst1250.h"
#include "comm/KomunikatyBledow.h"

namespace orbaklaw {

void PokazBlad(Dialogi& dialogi, uint8_t kodBledu) {
    dialogi.Blad(Z1250(KomunikatBledu(kodBledu)));
}

} // namespace orbaklaw

#include "cli/KodyWyjscia.h"

namespace orbaklaw::cli {

int KodWyjsciaKasy(uint8_t kodBledu) {
    switch (kodBledu) {
    case 20: // send timeout (or a port that can't be opened)
    case 21: // receive timeout
    case 23: // a malformed or corrupt reply
    case 24: // NAK
        return KodBrakOdpowiedzi;
    case 22: // another register answered
        return KodInnaKasa;
    default:
        return KodOdmowaKasy;
    }
}

} // namespace orbaklaw::cli

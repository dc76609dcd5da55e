#include "cli/KodyWyjscia.h"

#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::cli {

int KodWyjsciaKasy(uint8_t kodBledu) {
    switch (kodBledu) {
    case KASDRV_TIMEOUT_NADAWANIA:  // send timeout (or a port that can't be opened)
    case KASDRV_TIMEOUT_ODBIERANIA: // receive timeout
    case KASDRV_ZLA_ODPOWIEDZ:      // a malformed or corrupt reply
    case KASDRV_NAK:                // NAK
        return KodBrakOdpowiedzi;
    case KASDRV_INNA_KASA: // another register answered
        return KodInnaKasa;
    default:
        return KodOdmowaKasy;
    }
}

} // namespace orbaklaw::cli

#include "comm/ModeleKas.h"

namespace orbaklaw {

int KodModelu(uint8_t pierwszyBajt) {
    switch (pierwszyBajt) {
    case 0x68: // PERSA 20479
        return 1;
    case 0x67: // PERSA 10239
        return 2;
    case 0x65: // TUMO 4095
        return 3;
    case 0x64: // TUMO 2047
        return 4;
    case 0x66: // SIRK
        return 5;
    case 0x6B: // ORBA, and its two later variants
    case 0x84:
    case 0x85:
        return KodOrba;
    default:
        return 0;
    }
}

} // namespace orbaklaw

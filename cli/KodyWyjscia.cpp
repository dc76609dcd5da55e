#include "cli/KodyWyjscia.h"

namespace orbaklaw::cli {

int KodWyjsciaKasy(uint8_t) {
    return KodOdmowaKasy;
}

} // namespace orbaklaw::cli

#pragma once
// The register counts the payment amounts of 37 keys and takes at most eight
// payments among them.

#include "format/TabliceKlawiszy.h"

namespace orbaklaw {

// True when confirming a payment on (variant, position) would add a ninth
// payment to the counted keys. A key outside the counted set, or a counted
// key that already holds a payment, can always take one.
bool PlatnoscPonadLimit(const TabliceKlawiszy& tablice, int wariant, int nr);

} // namespace orbaklaw

#include "keys/LimitPlatnosci.h"

namespace orbaklaw {

bool PlatnoscPonadLimit(const TabliceKlawiszy& tablice, int wariant, int nr) {
    const auto miejsce = MiejsceNaKlawiaturze(wariant, nr);
    if (!miejsce || !MiejsceLiczone(*miejsce))
        return false;
    if (tablice.Rekord(*miejsce).Rodzaj == Platnosc)
        return false;
    return tablice.LiczPlatnosci();
}

} // namespace orbaklaw

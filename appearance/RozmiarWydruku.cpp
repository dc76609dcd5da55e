#include "appearance/RozmiarWydruku.h"

namespace orbaklaw {

RozmiarNaWydruku RozmiarWydruku(int szerokosc, int wysokosc, double dpiX, double dpiY) {
    return {static_cast<int>(szerokosc * dpiX / RozdzielczoscWkladki),
            static_cast<int>(wysokosc * dpiY / RozdzielczoscWkladki)};
}

} // namespace orbaklaw

#include "appearance/PlikBmp.h"

#include <cmath>

namespace orbaklaw {

namespace {

constexpr uint32_t RozmiarNaglowkaPliku = 14;
constexpr uint32_t RozmiarNaglowkaObrazu = 40;

void Dopisz16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}

void Dopisz32(std::string& s, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

size_t WierszBmp24(int szerokosc) {
    return (static_cast<size_t>(szerokosc) * 3 + 3) & ~size_t{3};
}

std::string KodujBmp24(int szerokosc, int wysokosc, const uint8_t* bgr, size_t stride, double dpi) {
    const size_t wiersz = WierszBmp24(szerokosc);
    const size_t dane = wiersz * static_cast<size_t>(wysokosc);
    const uint32_t przesuniecie = RozmiarNaglowkaPliku + RozmiarNaglowkaObrazu;
    const auto naMetr = static_cast<uint32_t>(std::lround(dpi / 0.0254));

    std::string plik;
    plik.reserve(przesuniecie + dane);
    const size_t piksele = static_cast<size_t>(szerokosc) * 3;
    plik += "BM";
    Dopisz32(plik, static_cast<uint32_t>(przesuniecie + dane));
    Dopisz32(plik, 0);
    Dopisz32(plik, przesuniecie);
    Dopisz32(plik, RozmiarNaglowkaObrazu);
    Dopisz32(plik, static_cast<uint32_t>(szerokosc));
    Dopisz32(plik, static_cast<uint32_t>(wysokosc)); // positive: rows bottom-up
    Dopisz16(plik, 1);                               // planes
    Dopisz16(plik, 24);                              // bits per pixel
    Dopisz32(plik, 0);                               // no compression
    Dopisz32(plik, static_cast<uint32_t>(dane));
    Dopisz32(plik, naMetr);
    Dopisz32(plik, naMetr);
    Dopisz32(plik, 0);
    Dopisz32(plik, 0);

    const std::string dopelnienie(wiersz - piksele, '\0');
    for (int y = wysokosc - 1; y >= 0; --y) {
        plik.append(reinterpret_cast<const char*>(bgr + static_cast<size_t>(y) * stride), piksele);
        plik += dopelnienie;
    }
    return plik;
}

} // namespace orbaklaw

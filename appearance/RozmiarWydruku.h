#pragma once
// The insert is drawn for 300 pixels to the inch; on paper it keeps that size
// whatever the printer's resolution.

namespace orbaklaw {

constexpr double RozdzielczoscWkladki = 300.0;

struct RozmiarNaWydruku {
    int szerokosc;
    int wysokosc;
    bool operator==(const RozmiarNaWydruku&) const = default;
};

// Printer pixels covered by a picture of the given size: truncated,
// multiplication before division.
RozmiarNaWydruku RozmiarWydruku(int szerokosc, int wysokosc, double dpiX, double dpiY);

} // namespace orbaklaw

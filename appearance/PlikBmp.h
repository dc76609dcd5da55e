#pragma once
// Windows bitmap files of 24 bits per pixel, as the insert picture is kept:
// a BITMAPFILEHEADER, a BITMAPINFOHEADER, then the rows bottom-up in blue,
// green, red order, each padded to a multiple of four bytes.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orbaklaw {

// Row stride of the file for a given width.
size_t WierszBmp24(int szerokosc);

// The whole file for an image given top-down as blue, green, red bytes (the
// file's own order), `stride` bytes a row. `dpi` goes into the header as
// pixels per metre.
std::string KodujBmp24(int szerokosc, int wysokosc, const uint8_t* bgr, size_t stride,
                       double dpi = 300.0);

} // namespace orbaklaw

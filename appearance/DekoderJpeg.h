#pragma once
// JPEG decoding with libjpeg-turbo. Any fault in the data gives a null image.

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace orbaklaw {

// Larger pictures are refused rather than decoded.
constexpr int NajwiekszyBokJpeg = 8192;
constexpr long long NajwiecejPikseliJpeg = 24LL * 1024 * 1024;

// Decodes JPEG bytes to an RGB888 image. Corrupt, truncated or oversized
// data (even data libjpeg would only warn about) gives a null image.
QImage DekodujJpeg(const uint8_t* dane, size_t rozmiar);

} // namespace orbaklaw

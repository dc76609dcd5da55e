// Fuzz entry point: JPEG bytes through the libjpeg-turbo decoder.
#include "appearance/DekoderJpeg.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QImage obraz = orbaklaw::DekodujJpeg(data, size);
    if (!obraz.isNull() && obraz.format() != QImage::Format_RGB888)
        std::abort();
    return 0;
}

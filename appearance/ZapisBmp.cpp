#include "appearance/ZapisBmp.h"

#include "appearance/PlikBmp.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw {

std::string ObrazJakoBmp(const QImage& obraz) {
    // Qt swaps the channels into the file's order far faster than a pixel loop.
    const QImage bgr = obraz.convertToFormat(QImage::Format_BGR888);
    const double dpi = bgr.dotsPerMeterX() > 0 ? bgr.dotsPerMeterX() * 0.0254 : 300.0;
    return KodujBmp24(bgr.width(), bgr.height(), bgr.constBits(),
                      static_cast<size_t>(bgr.bytesPerLine()), dpi);
}

WynikPliku<void> ZapiszObrazBmp(const QImage& obraz, const std::filesystem::path& plik) {
    return ZapiszAtomowo(plik, ObrazJakoBmp(obraz));
}

} // namespace orbaklaw

#include "appearance/ZapisBmp.h"

#include "appearance/PlikBmp.h"
#include "transfer/PlikTekstowy.h"

namespace orbaklaw {

void ZapiszObrazBmp(const QImage& obraz, const std::filesystem::path& plik) {
    const QImage rgb = obraz.convertToFormat(QImage::Format_RGB888);
    const double dpi = rgb.dotsPerMeterX() > 0 ? rgb.dotsPerMeterX() * 0.0254 : 300.0;
    ZapiszAtomowo(plik, KodujBmp24(rgb.width(), rgb.height(), rgb.constBits(),
                                   static_cast<size_t>(rgb.bytesPerLine()), dpi));
}

} // namespace orbaklaw

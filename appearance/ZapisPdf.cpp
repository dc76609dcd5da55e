#include "appearance/ZapisPdf.h"
#include "files/StronyKodowe.h"

#include "appearance/DrukWkladki.h"
#include "files/PlikTekstowy.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace orbaklaw {

std::optional<std::string> PdfWkladki(const QImage& obraz, const QPageLayout& uklad, int dpi) {
    if (obraz.isNull())
        return std::nullopt;
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setTitle(QString::fromLatin1(TytulWydruku));
        pdf.setResolution(dpi);
        pdf.setPageLayout(uklad);
        QPainter rysik;
        if (!rysik.begin(&pdf))
            return std::nullopt;
        RysujObrazWkladki(rysik, pdf, obraz);
        if (!rysik.end())
            return std::nullopt;
    }
    return dane.toStdString();
}

const char* PdfNiePowstal() {
    return "PDF nie powstał"_w1250;
}

WynikPliku<void> ZapiszPdfWkladki(const QImage& obraz, const std::filesystem::path& plik,
                                  const QPageLayout& uklad, int dpi) {
    const auto pdf = PdfWkladki(obraz, uklad, dpi);
    if (!pdf)
        return BladWejsciaWyjscia(plik, PdfNiePowstal());
    return ZapiszAtomowo(plik, *pdf);
}

} // namespace orbaklaw

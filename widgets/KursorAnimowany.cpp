#include "widgets/KursorAnimowany.h"

#include <QBuffer>
#include <QImageReader>

namespace orbaklaw {

namespace {

constexpr size_t NaglowekIkony = 6;
constexpr size_t WpisIkony = 16;

uint16_t Slowo(const std::string& d, size_t przesuniecie) {
    return static_cast<uint16_t>(static_cast<uint8_t>(d[przesuniecie]) |
                                 (static_cast<uint8_t>(d[przesuniecie + 1]) << 8));
}

// ICONDIR: reserved 0, type 1 (icon) or 2 (cursor), at least one entry.
bool NaglowekPoprawny(const std::string& plik, uint16_t& typ) {
    if (plik.size() < NaglowekIkony + WpisIkony || Slowo(plik, 0) != 0 || Slowo(plik, 4) == 0)
        return false;
    typ = Slowo(plik, 2);
    return typ == 1 || typ == 2;
}

QImage CzytajObraz(const std::string& plik) {
    QByteArray bajty(plik.data(), static_cast<qsizetype>(plik.size()));
    QBuffer bufor(&bajty);
    if (!bufor.open(QIODevice::ReadOnly))
        return {};
    QImageReader czytnik(&bufor, "ico");
    const QSize rozmiar = czytnik.size();
    if (rozmiar.width() > NajwiekszyBokKursora || rozmiar.height() > NajwiekszyBokKursora)
        return {};
    return czytnik.read();
}

} // namespace

std::optional<KlatkaKursora> DekodujKlatkeKursora(const std::string& plik) {
    uint16_t typ = 0;
    if (!NaglowekPoprawny(plik, typ))
        return std::nullopt;
    QImage obraz = CzytajObraz(plik);
    if (obraz.isNull() || obraz.width() > NajwiekszyBokKursora ||
        obraz.height() > NajwiekszyBokKursora)
        return std::nullopt;
    QPoint punkt(obraz.width() / 2, obraz.height() / 2);
    if (typ == 2) {
        // A cursor keeps its hot spot where an icon keeps planes and bit count.
        punkt = QPoint(qMin<int>(Slowo(plik, NaglowekIkony + 4), obraz.width() - 1),
                       qMin<int>(Slowo(plik, NaglowekIkony + 6), obraz.height() - 1));
    }
    return KlatkaKursora{std::move(obraz), punkt};
}

std::optional<KursorAnimowany> DekodujKursorAni(const QByteArray& dane) {
    const auto animacja =
        CzytajAni(std::string_view(dane.constData(), static_cast<size_t>(dane.size())));
    if (!animacja)
        return std::nullopt;
    KursorAnimowany kursor;
    for (const std::string& plik : animacja->klatki) {
        auto klatka = DekodujKlatkeKursora(plik);
        if (!klatka)
            return std::nullopt;
        kursor.klatki.push_back(std::move(*klatka));
    }
    kursor.kroki = animacja->kroki;
    return kursor;
}

} // namespace orbaklaw

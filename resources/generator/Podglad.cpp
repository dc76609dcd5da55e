#include "Podglad.h"

#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PolaEtykiet.h"
#include "widgets/KursorAnimowany.h"

#include <QPainter>

namespace orbaklaw::rysunek {

namespace {

// Sample texts in Windows-1250, one per field, in label-file order.
TekstyEtykiet PrzykladoweTeksty() {
    TekstyEtykiet t;
    const char* pierwsze[] = {"PIECZYWO", "NABIA\xA3", "KAWA", "HERBATA", "KARTA",
                              "BON",      "CZEK",      "EURO", "RABAT"};
    for (size_t i = 0; i < 9; ++i) {
        t[i] = pierwsze[i];
        t[9 + i] = "linia 2";
    }
    for (size_t i = 18; i < 38; ++i)
        t[i] = i < 28 ? "PLU" : "\xA3\xD3\x44\x8F";
    return t;
}

} // namespace

QImage PodgladOkna(const QImage& klawiatura) {
    QImage okno =
        klawiatura.scaled(RozmiarPolaKlawiatury, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter malarz(&okno);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    malarz.setFont(f);
    for (const PoleEtykiety& pole : PolaEtykiet()) {
        const ProstokatPola& m = pole.miejsce;
        const QRect r(m.left, m.top, m.width, m.height);
        malarz.fillRect(
            r, QColor::fromRgb(pole.limit == LimitEtykietyF ? KolorEtykietyF : KolorEtykietyCyfry));
        malarz.setPen(Qt::black);
        malarz.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(pole.nazwa));
    }
    return okno;
}

QImage PodgladWkladki(const QImage& wkladka) {
    TekstyEtykiet teksty = PrzykladoweTeksty();
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(8);
    return KomponujWkladke(wkladka, teksty, RozmiarPolaKlawiatury, f, Qt::black, 96);
}

QImage PodgladKursora(const QByteArray& ani) {
    const auto kursor = DekodujKursorAni(ani);
    if (!kursor)
        return {};
    const int n = static_cast<int>(kursor->klatki.size());
    QImage pasek(n * 136, 136, QImage::Format_RGB888);
    pasek.fill(QColor(120, 160, 200));
    QPainter malarz(&pasek);
    for (int i = 0; i < n; ++i) {
        const KlatkaKursora& k = kursor->klatki[static_cast<size_t>(i)];
        malarz.drawImage(QRect(i * 136 + 4, 4, 128, 128), k.obraz);
        malarz.fillRect(
            QRect(i * 136 + 4 + k.punktAktywny.x() * 4, 4 + k.punktAktywny.y() * 4, 4, 4), Qt::red);
    }
    return pasek;
}

} // namespace orbaklaw::rysunek

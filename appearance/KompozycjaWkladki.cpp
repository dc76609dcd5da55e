#include "appearance/KompozycjaWkladki.h"

#include "appearance/ObrazKlawiatury.h"
#include "ui/Czcionki.h"
#include "ui/Tekst1250.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace orbaklaw {

namespace {

// The template is matched to the picture's width stretched by this factor.
constexpr double RozciagniecieSzerokosci = 1.223;

QColor KolorPola(uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

double PunktyCzcionki(const QFont& czcionka, double dpiEkranu) {
    if (czcionka.pointSizeF() > 0)
        return czcionka.pointSizeF();
    return czcionka.pixelSize() * 72.0 / dpiEkranu;
}

QFont CzcionkaWkladki(const QFont& czcionka, double sy, double dpiEkranu) {
    QFont wynik(czcionka);
    const int punkty = PunktyCzcionkiWkladki(czcionka, sy, dpiEkranu);
    wynik.setPixelSize(std::max(1, static_cast<int>(std::lround(punkty * dpiEkranu / 72.0))));
    return wynik;
}

// Texts are measured on a picture like the insert, as they are drawn there.
QFontMetrics MiaryWkladki(const QFont& czcionka) {
    static const QImage wzor(1, 1, QImage::Format_RGB888);
    return QFontMetrics(czcionka, &wzor);
}

QString BezSpacjiNaKoncu(QString tekst) {
    while (tekst.endsWith(QLatin1Char(' ')))
        tekst.chop(1);
    return tekst;
}

// Text on an opaque background of the field colour: the text's cell is
// filled first, then the glyphs are drawn over it.
void RysujTekst(QPainter& malarz, QPoint punkt, const QString& tekst, const QColor& tlo) {
    const QFontMetrics miary = MiaryWkladki(malarz.font());
    const QRect komorka(punkt, QSize(miary.horizontalAdvance(tekst), miary.height()));
    malarz.fillRect(komorka, tlo);
    malarz.drawText(QPointF(punkt.x(), punkt.y() + miary.ascent()), tekst);
}

} // namespace

QFont DomyslnaCzcionkaEtykiet() {
    // The window's font, which the label fields take.
    return CzcionkaOkna(9);
}

QColor DomyslnyKolorEtykiet() {
    return Qt::black;
}

SkalaWkladki ObliczSkaleWkladki(QSize szablon, QSize rozmiarObrazu) {
    if (rozmiarObrazu.width() <= 0 || rozmiarObrazu.height() <= 0)
        rozmiarObrazu = RozmiarPolaKlawiatury;
    const int szerokoscOdniesienia =
        static_cast<int>(std::trunc(rozmiarObrazu.width() * RozciagniecieSzerokosci));
    return {static_cast<double>(szablon.width()) / szerokoscOdniesienia,
            static_cast<double>(szablon.height()) / rozmiarObrazu.height()};
}

QPoint PunktTekstuWkladki(const ProstokatPola& pole, SkalaWkladki skala) {
    return {static_cast<int>(pole.left * skala.sx + PrzesuniecieWkladki),
            static_cast<int>(pole.top * skala.sy)};
}

QRect RamkaKlawiszaF(const ProstokatPola& pole, SkalaWkladki skala) {
    const QPoint lewyGorny = PunktTekstuWkladki(pole, skala);
    const int x2 = static_cast<int>((pole.left + SzerokoscRamkiF) * skala.sx + PrzesuniecieWkladki);
    const int y2 = static_cast<int>((pole.top + WysokoscRamkiF) * skala.sy);
    return QRect(lewyGorny, QPoint(x2 - 1, y2 - 1));
}

QRect RamkaPolaWkladki(const PoleEtykiety& pole, SkalaWkladki skala) {
    if (pole.limit == LimitEtykietyF)
        return RamkaKlawiszaF(pole.miejsce, skala);
    const ProstokatPola& m = pole.miejsce;
    const QPoint lewyGorny = PunktTekstuWkladki(m, skala);
    const int x2 = static_cast<int>((m.left + m.width) * skala.sx + PrzesuniecieWkladki);
    const int y2 = static_cast<int>((m.top + m.height) * skala.sy);
    return QRect(lewyGorny, QPoint(x2 - 1, y2 - 1));
}

int PunktyCzcionkiWkladki(const QFont& czcionka, double sy, double dpiEkranu) {
    if (dpiEkranu <= 0)
        dpiEkranu = 96.0;
    return static_cast<int>(PunktyCzcionki(czcionka, dpiEkranu) * sy);
}

QImage KomponujWkladke(const QImage& szablon, TekstyEtykiet& teksty, QSize rozmiarObrazu,
                       const QFont& czcionka, const QColor& kolorTekstu, double dpiEkranu) {
    QImage wkladka = szablon.convertToFormat(QImage::Format_RGB888);
    if (wkladka.isNull())
        return wkladka;
    if (dpiEkranu <= 0)
        dpiEkranu = 96.0;
    const SkalaWkladki skala = ObliczSkaleWkladki(wkladka.size(), rozmiarObrazu);

    QPainter malarz(&wkladka);
    malarz.setFont(CzcionkaWkladki(czcionka, skala.sy, dpiEkranu));
    malarz.setPen(kolorTekstu);
    const auto& pola = PolaEtykiet();
    for (size_t i = 0; i < pola.size(); ++i) {
        const PoleEtykiety& pole = pola[i];
        if (teksty[i].empty())
            continue;
        teksty[i] = UzupelnijEtykiete(teksty[i], pole.limit);
        const bool funkcyjny = pole.limit == LimitEtykietyF;
        const QColor tlo = KolorPola(funkcyjny ? KolorEtykietyF : KolorEtykietyCyfry);
        if (funkcyjny)
            malarz.fillRect(RamkaKlawiszaF(pole.miejsce, skala), tlo);
        malarz.setClipRect(RamkaPolaWkladki(pole, skala));
        RysujTekst(malarz, PunktTekstuWkladki(pole.miejsce, skala), Z1250(teksty[i]), tlo);
        malarz.setClipping(false);
    }
    return wkladka;
}

} // namespace orbaklaw

namespace orbaklaw {

DopasowanieEtykiety DopasujEtykiete(const PoleEtykiety& pole, const QString& tekst,
                                    QSize rozmiarObrazu, const QFont& czcionka, double dpiEkranu,
                                    QSize szablon) {
    if (dpiEkranu <= 0)
        dpiEkranu = 96.0;
    const SkalaWkladki skala = ObliczSkaleWkladki(szablon, rozmiarObrazu);
    const QRect ramka = RamkaPolaWkladki(pole, skala);
    const QFontMetrics miary = MiaryWkladki(CzcionkaWkladki(czcionka, skala.sy, dpiEkranu));
    const QString tresc = BezSpacjiNaKoncu(tekst);
    if (tresc.isEmpty())
        return {true, tekst};
    const bool miesciSieWzwyz = miary.height() <= ramka.height();
    if (miesciSieWzwyz && miary.horizontalAdvance(tresc) <= ramka.width())
        return {true, tekst};
    qsizetype n = tresc.size();
    while (n > 0 && miary.horizontalAdvance(tresc.left(n)) > ramka.width())
        --n;
    return {false, tresc.left(n)};
}

QImage ZaznaczUcieteEtykiety(QImage wkladka, const TekstyEtykiet& teksty, QSize rozmiarObrazu,
                             const QFont& czcionka, double dpiEkranu) {
    if (wkladka.isNull())
        return wkladka;
    const SkalaWkladki skala = ObliczSkaleWkladki(wkladka.size(), rozmiarObrazu);
    QPainter malarz(&wkladka);
    malarz.setPen(QPen(QColor(Qt::red), 5));
    malarz.setBrush(Qt::NoBrush);
    const auto& pola = PolaEtykiet();
    for (size_t i = 0; i < pola.size(); ++i) {
        if (DopasujEtykiete(pola[i], Z1250(teksty[i]), rozmiarObrazu, czcionka, dpiEkranu,
                            wkladka.size())
                .miesciSie)
            continue;
        malarz.drawRect(RamkaPolaWkladki(pola[i], skala).adjusted(-4, -4, 4, 4));
    }
    return wkladka;
}

} // namespace orbaklaw

#include "RysunekKlawiatury.h"

#include "UkladKlawiatury.h"

#include "appearance/PolaEtykiet.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace orbaklaw::rysunek {

namespace {

const QColor KolorObudowy(54, 57, 62);
const QColor KolorNapisu(32, 33, 36);

QColor KolorOkna(RodzajKlawisza rodzaj) {
    return QColor::fromRgb(rodzaj == RodzajKlawisza::Funkcyjny ? KolorEtykietyF
                                                               : KolorEtykietyCyfry);
}

QFont Czcionka(double wysokosc, bool gruba) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(gruba);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPixelSize(qMax(1, qRound(wysokosc * 4)));
    return f;
}

// Text sizes are given at four times the window scale and the painter is
// scaled down around them, so legends stay crisp at every output size.
void Napisz(QPainter& malarz, const QRectF& obszar, const QString& tekst, double wysokosc,
            bool gruba, const QColor& kolor, Qt::Alignment wyrownanie = Qt::AlignCenter) {
    malarz.save();
    malarz.translate(obszar.topLeft());
    malarz.scale(0.25, 0.25);
    malarz.setFont(Czcionka(wysokosc, gruba));
    malarz.setPen(kolor);
    malarz.drawText(QRectF(0, 0, obszar.width() * 4, obszar.height() * 4),
                    static_cast<int>(wyrownanie.toInt()), tekst);
    malarz.restore();
}

bool JasnyKolor(const QColor& c) {
    return c.lightness() > 150;
}

void RysujObudowe(QPainter& malarz, Styl styl) {
    const QRectF cala(0, 0, 358, 406);
    if (styl == Styl::Papier) {
        malarz.fillRect(cala, Qt::white);
        return;
    }
    QLinearGradient gradient(0, 0, 0, 406);
    gradient.setColorAt(0, KolorObudowy.lighter(118));
    gradient.setColorAt(1, KolorObudowy);
    malarz.fillRect(cala, gradient);
    Napisz(malarz, QRectF(200, 391, 152, 14), QStringLiteral("VARKO  ORBA"), 9, true,
           QColor(190, 192, 196), Qt::AlignRight | Qt::AlignVCenter);
}

void RysujKlawisz(QPainter& malarz, const KlawiszRysunku& k, Styl styl) {
    QPainterPath ksztalt;
    ksztalt.addRoundedRect(k.ramka, 5, 5);
    if (styl == Styl::Obudowa)
        malarz.fillPath(ksztalt.translated(1.2, 1.8), QColor(20, 21, 24, 170));
    QLinearGradient gradient(k.ramka.topLeft(), k.ramka.bottomLeft());
    gradient.setColorAt(0, k.kolor.lighter(106));
    gradient.setColorAt(1, k.kolor.darker(104));
    malarz.fillPath(ksztalt, gradient);
    malarz.setPen(QPen(styl == Styl::Papier ? QColor(90, 92, 96) : k.kolor.darker(150), 0.7));
    malarz.drawPath(ksztalt);
}

void RysujOkno(QPainter& malarz, const KlawiszRysunku& k) {
    const QRectF okno = OknoEtykiety(k.nrKlawisza);
    malarz.fillRect(okno, KolorOkna(k.rodzaj));
    malarz.setPen(QPen(KolorOkna(k.rodzaj).darker(125), 0.6));
    malarz.drawRect(okno.adjusted(-0.3, -0.3, 0.3, 0.3));
}

void RysujNapis(QPainter& malarz, const KlawiszRysunku& k) {
    const QColor kolor = JasnyKolor(k.kolor) ? KolorNapisu : QColor(Qt::white);
    const QRectF r = k.ramka;
    switch (k.rodzaj) {
    case RodzajKlawisza::Funkcyjny: {
        const QRectF okno = OknoEtykiety(k.nrKlawisza);
        Napisz(malarz, QRectF(r.left(), okno.bottom(), r.width(), r.bottom() - okno.bottom()),
               k.napis, 9.5, true, kolor);
        break;
    }
    case RodzajKlawisza::Cyfra: {
        const QRectF okno = OknoEtykiety(k.nrKlawisza);
        Napisz(malarz, QRectF(r.left(), r.top(), okno.left() - r.left(), r.height()), k.napis, 22,
               true, kolor);
        break;
    }
    case RodzajKlawisza::Staly:
        Napisz(malarz, r, k.napis, k.napis.size() <= 2 ? 20 : 9.5, true, kolor);
        break;
    }
}

} // namespace

void RysujKlawiature(QPainter& malarz, Styl styl) {
    malarz.setRenderHint(QPainter::Antialiasing);
    malarz.setRenderHint(QPainter::TextAntialiasing);
    RysujObudowe(malarz, styl);
    for (const KlawiszRysunku& k : UkladKlawiatury()) {
        RysujKlawisz(malarz, k, styl);
        if (k.nrKlawisza >= 0)
            RysujOkno(malarz, k);
        RysujNapis(malarz, k);
    }
}

} // namespace orbaklaw::rysunek

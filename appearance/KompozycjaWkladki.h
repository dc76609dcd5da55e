#pragma once
// The insert picture: the label texts drawn onto a copy of the template.

#include "appearance/PlikEtykiet.h"
#include "appearance/PolaEtykiet.h"
#include "appearance/SzablonWkladki.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace orbaklaw {

// The template's keyboard area starts this many template pixels from its left edge.
constexpr int PrzesuniecieWkladki = 239;
// Every function key gets a box of this many window pixels, whatever its field's width.
constexpr int SzerokoscRamkiF = 46;
constexpr int WysokoscRamkiF = 16;

// The label fields' font when the program starts, which the insert's texts
// are drawn with until the user chooses another.
QFont DomyslnaCzcionkaEtykiet();
QColor DomyslnyKolorEtykiet();

// Screen resolution the label font sizes are meant for.
constexpr double DomyslneDpiEkranu = 96.0;

// Scale factors from window pixels to template pixels.
struct SkalaWkladki {
    double sx;
    double sy;
};

// rozmiarObrazu is the keyboard picture's current size; the template is
// matched to a reference width of Trunc(width * 1.223). An empty size is
// taken as the laid-out 358 x 406.
SkalaWkladki ObliczSkaleWkladki(QSize szablon, QSize rozmiarObrazu);

// Where a field's text starts on the template.
QPoint PunktTekstuWkladki(const ProstokatPola& pole, SkalaWkladki skala);

// The filled box of a function key, X1 <= x < X2, Y1 <= y < Y2.
QRect RamkaKlawiszaF(const ProstokatPola& pole, SkalaWkladki skala);

// The box a field's text is drawn in and cut to: a function key's box, or a
// digit field's own width and height, scaled the same way.
QRect RamkaPolaWkladki(const PoleEtykiety& pole, SkalaWkladki skala);

// Font size on the insert: the field font's points times sy, truncated.
int PunktyCzcionkiWkladki(const QFont& czcionka, double sy, double dpiEkranu);

// Composes the insert on a copy of `szablon`. Non-empty texts are padded with
// spaces to their field's limit in `teksty` (the caller keeps the longer
// texts); empty texts draw nothing. Each text is cut to its field's box, so
// a long text or a large font never runs over a neighbouring key. Texts are
// Windows-1250 bytes. Points are turned into pixels at `dpiEkranu`, as for
// the fields on screen.
QImage KomponujWkladke(const QImage& szablon, TekstyEtykiet& teksty, QSize rozmiarObrazu,
                       const QFont& czcionka, const QColor& kolorTekstu, double dpiEkranu);

// Whether a label's text shows whole on the insert, measured as the insert
// draws it: the text, trailing spaces aside, against its key's box.
struct DopasowanieEtykiety {
    bool miesciSie = true;
    QString widoczne; // the text as far as its characters print whole
};

DopasowanieEtykiety DopasujEtykiete(const PoleEtykiety& pole, const QString& tekst,
                                    QSize rozmiarObrazu, const QFont& czcionka, double dpiEkranu,
                                    QSize szablon = RozmiarSzablonuWkladki);

// The print preview's copy of a composed insert: a red frame around the box
// of every label it cuts. The insert itself is never marked.
QImage ZaznaczUcieteEtykiety(QImage wkladka, const TekstyEtykiet& teksty, QSize rozmiarObrazu,
                             const QFont& czcionka, double dpiEkranu);

} // namespace orbaklaw

#pragma once
// The label-file and printing buttons of "Wygląd klawiatury": reading and
// saving label files, printing the insert and choosing its font.

#include "appearance/KalibracjaDrukarek.h"
#include "appearance/OknoWygladu.h"
#include "appearance/PlikEtykiet.h"
#include "ui/Dialogi.h"

#include <QImage>
#include <QObject>

class QPrinter;

namespace orbaklaw {

class WygladIWydruk : public QObject {
    Q_OBJECT

public:
    explicit WygladIWydruk(const OknoWygladu& okno);

    void bbDrukujClick();
    void BitBtnOdczytClick();
    // False when the files could not be saved (the user was told why).
    bool BitBtn1Click();
    void bCzcionkaClick();
    // Asks before label texts typed and saved nowhere are lost with the window.
    bool MoznaZamknac();

    // The font dialog starts from the last chosen font.
    const WyborCzcionki& FontDialog1() const { return fontDialog1_; }

private:
    // The texts of the fields on show; a hidden field's text, kept in its
    // field, is left off the insert.
    TekstyEtykiet TekstyWkladki() const;
    void UstawTeksty(const TekstyEtykiet& teksty);
    // The fields on show take their padded texts after a composition.
    void UzupelnijPokazane(const TekstyEtykiet& teksty);
    QImage Komponuj(TekstyEtykiet& teksty);
    std::optional<QString> NazwaZapisu();
    // The page as it will print; true when the user goes on to print.
    bool Podglad(QPrinter& drukarka);
    // True when the insert fits the page, or the user prints it cut anyway.
    bool ZgodaNaObciecie(const QPrinter& drukarka, KorektaDruku korekta);
    void Drukuj(QPrinter& drukarka, KorektaDruku korekta);

    OknoWygladu okno_;
    Dialogi& dialogi_;
    WyborCzcionki fontDialog1_;
};

} // namespace orbaklaw

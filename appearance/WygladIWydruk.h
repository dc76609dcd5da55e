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
    void BitBtn1Click();
    void bCzcionkaClick();

    // The font dialog starts from the last chosen font.
    const WyborCzcionki& FontDialog1() const { return fontDialog1_; }

private:
    TekstyEtykiet TekstyPol() const;
    void UstawTeksty(const TekstyEtykiet& teksty, bool pokaz);
    QImage Komponuj(TekstyEtykiet& teksty);
    std::optional<QString> NazwaZapisu();
    // The page as it will print; true when the user goes on to print.
    bool Podglad(QPrinter& drukarka);
    // True when the insert fits the page, or the user prints it cut anyway.
    bool ZgodaNaObciecie(const QPrinter& drukarka, KorektaDruku korekta);

    OknoWygladu okno_;
    Dialogi& dialogi_;
    WyborCzcionki fontDialog1_;
};

} // namespace orbaklaw

#pragma once
// The label-file and printing buttons of "Wygląd klawiatury": reading and
// saving label files, printing the insert and choosing its font.

#include "appearance/OknoWygladu.h"
#include "appearance/PlikEtykiet.h"
#include "ui/Dialogi.h"

#include <QImage>
#include <QObject>

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

    OknoWygladu okno_;
    Dialogi& dialogi_;
    WyborCzcionki fontDialog1_;
};

} // namespace orbaklaw

#pragma once
// The font dialog of the label fields: face, size, style and effects from
// Qt's font chooser, plus the text colour, which Qt's chooser does not offer.

#include "ui/Dialogi.h"

#include <QDialog>

class QPushButton;

namespace orbaklaw {

class WbudowanyWyborCzcionki;

class OknoCzcionki : public QDialog {
    Q_OBJECT

public:
    OknoCzcionki(const WyborCzcionki& poczatkowa, QWidget* rodzic);

    // The font in use with what the user changed in the chooser; exactly
    // the font in use when nothing was changed.
    WyborCzcionki Wybor() const;

private:
    void WybierzKolor();
    void PokazKolor();

    QFont poczatkowa_;
    QFont pokazana_; // the face that draws poczatkowa_, as the chooser lists it
    WbudowanyWyborCzcionki* czcionka_;
    QPushButton* kolorPrzycisk_;
    QColor kolor_;
};

} // namespace orbaklaw

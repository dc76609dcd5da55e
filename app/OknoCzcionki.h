#pragma once
// The font dialog of the label fields: face, size, style and effects from
// Qt's font dialog, plus the text colour, which Qt's dialog does not offer.

#include "app/Dialogi.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace orbaklaw {

class OknoCzcionki : public QDialog {
    Q_OBJECT

public:
    OknoCzcionki(const WyborCzcionki& poczatkowa, QWidget* rodzic);

    WyborCzcionki Wybor() const;

private:
    void WybierzKolor();
    void PokazKolor();

    QFontDialog* czcionka_;
    QPushButton* kolorPrzycisk_;
    QColor kolor_;
};

} // namespace orbaklaw

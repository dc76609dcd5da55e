#pragma once
// "Kalibracja drukarki": the printer to calibrate, a button that prints its
// calibration page, and what its two 100 mm rulers really measure. "Zapisz"
// takes two lengths of 50 to 200 mm (comma or point); anything else is told
// and the dialog stays open.

#include "appearance/KalibracjaDrukarek.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace orbaklaw {

class Dialogi;

class OknoKalibracji : public QDialog {
    Q_OBJECT

public:
    // `pomiary` are the printers' stored measurements; `drukarki` the
    // printers to offer, `domyslna` the one chosen first.
    OknoKalibracji(const PomiaryDrukarek& pomiary, const QStringList& drukarki,
                   const QString& domyslna, Dialogi& dialogi, QWidget* rodzic);

    std::string Drukarka() const;
    PomiarLinijek Pomiar() const { return pomiar_; }

private:
    void PokazPomiar();
    void DrukujStrone();
    void Zapisz();

    PomiaryDrukarek pomiary_;
    Dialogi& dialogi_;
    QComboBox* cbDrukarka_;
    QLineEdit* ePoziomo_;
    QLineEdit* ePionowo_;
    PomiarLinijek pomiar_;
};

} // namespace orbaklaw

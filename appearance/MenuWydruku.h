#pragma once
// The menu "Wydruk" of the main window's menu bar: calibrating a printer for
// the insert, and the listing of the 64 keys, printed or saved as a PDF.

#include "appearance/ListaKlawiszyPdf.h"

#include <QObject>

class QComboBox;
class QMenuBar;
class QWidget;

namespace orbaklaw {

class Akcje;
class Dialogi;
struct StanProgramu;

// What the menu uses of the window.
struct OknoMenuWydruku {
    QWidget* okno = nullptr;
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr;
    const StanProgramu* stan = nullptr;
    const QComboBox* platnosci = nullptr; // the payment chooser: the register's names
};

class MenuWydruku : public QObject {
    Q_OBJECT

public:
    // Adds the menu to `pasek`; the window owns this object.
    MenuWydruku(QMenuBar& pasek, const OknoMenuWydruku& okno);

    void KalibracjaDrukarki();
    void DrukujListe();
    void ZapiszListePdf();

    // The listing of the keys as they stand now.
    ListaKlawiszy Lista() const;

private:
    OknoMenuWydruku okno_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

#pragma once
// The printer calibration in the menu "Wydruk" of the main window's menu
// bar: a page of rulers to print once per printer, and what they measured
// kept as that printer's correction.

#include <QObject>

class QWidget;

namespace orbaklaw {

class Akcje;
class Dialogi;
class MenuOkna;

// What the menu uses of the window.
struct OknoMenuWydruku {
    QWidget* okno = nullptr;
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr;
};

class MenuWydruku : public QObject {
    Q_OBJECT

public:
    // Adds the entry to the menu "Wydruk" of `menu`; the window owns this object.
    MenuWydruku(MenuOkna& menu, const OknoMenuWydruku& okno);

    void KalibracjaDrukarki();

private:
    OknoMenuWydruku okno_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

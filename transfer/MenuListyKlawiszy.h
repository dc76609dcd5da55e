#pragma once
// The listing of the 64 keys in the menu "Wydruk": printed after a preview,
// or saved as a PDF.

#include "transfer/ListaKlawiszyPdf.h"

#include <QObject>

class QComboBox;
class QWidget;

namespace orbaklaw {

class Akcje;
class Dialogi;
class MenuOkna;
struct StanProgramu;

// What the listing uses of the window.
struct OknoListyKlawiszy {
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr;
    const StanProgramu* stan = nullptr;
    const QComboBox* platnosci = nullptr; // the payment chooser: the register's names
};

class MenuListyKlawiszy : public QObject {
    Q_OBJECT

public:
    // Adds the entries to the menu "Wydruk" of `menu`; the window owns this object.
    MenuListyKlawiszy(MenuOkna& menu, const OknoListyKlawiszy& okno);

    void DrukujListe();
    void ZapiszListePdf();

    // The listing of the keys as they stand now.
    ListaKlawiszy Lista() const;

private:
    OknoListyKlawiszy okno_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

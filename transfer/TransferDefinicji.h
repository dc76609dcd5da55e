#pragma once
// The buttons of "Definicje klawiszy" that move definitions: reading from
// the register or a file, writing to them, and deleting in the register.

#include "transfer/OknoTransferu.h"

#include <QObject>

#include <utility>

namespace orbaklaw {

class MenuOkna;

class TransferDefinicji : public QObject {
    Q_OBJECT

public:
    explicit TransferDefinicji(OknoTransferu okno) : okno_(std::move(okno)) {}

    // One handler for both read buttons, one for both write buttons; the
    // sender's name ("bOdczytPlik", "bZapisPlik") picks the file path.
    void bOdczytClick(QObject* nadawca);
    void bZapisClick(QObject* nadawca);
    void bKasowanieClick();
    // The start-up query: goods, payments and, when asked to, "Odczyt z kasy"
    // before the user could change anything, so it asks nothing.
    void OdczytStartowy();
    // Asks before the window closes over definitions written nowhere;
    // true when it may close.
    bool MoznaZamknac();
    // The entries of menu "Kasa" that compare definitions with the register.
    void DodajDoMenu(MenuOkna& menu);

private:
    // "Kopie zapasowe": the window of the register's backups; "Wczytaj"
    // there loads one as "Odczyt z pliku" would.
    void KopieZapasowe();

    OknoTransferu okno_;
};

} // namespace orbaklaw

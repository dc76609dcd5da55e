#pragma once
// The register link: the communication parameters dialog behind
// "Połączenie" and the serial ports' devices.

#include "comm/BibliotekiKasy.h"
#include "comm/OknoPolaczenia.h"

#include <QObject>

namespace orbaklaw {

class MenuOkna;
struct StanProgramu;
class TOknoKomunik;

class PolaczenieZKasa : public QObject {
    Q_OBJECT

public:
    PolaczenieZKasa(OknoPolaczenia okno, StanProgramu& stan);

    // Creates the hidden communication dialog; it lives until the end.
    void UtworzOknoKomunik();
    void Button4Click();
    // Shows the communication dialog modally; the caller goes on when it
    // closes (after a save or a cancel).
    void PokazOknoKomunik();
    // "Kasa" / "Porty szeregowe...": which device each COM port is.
    void DodajDoMenu(MenuOkna& menu);
    void PortySzeregowe();

    // The dialog (created on first need when not yet created).
    TOknoKomunik& OknoKomunik();
    // The libraries the dialog and the query call; tests may replace them.
    BibliotekiKasy& Biblioteki() { return biblioteki_; }

private:
    OknoPolaczenia okno_;
    Dialogi& dialogi_;
    BibliotekiKasy biblioteki_;
    StanProgramu& stan_;
    TOknoKomunik* oknoKomunik_ = nullptr;
};

} // namespace orbaklaw

#pragma once
// What the register link uses of the main window: the window itself (the
// communication dialog's parent, repainted before an exchange), its
// actions and busy cursor. The window owns all of them.

class QWidget;

namespace orbaklaw {

class Akcje;
class Dialogi;
class KursorKlepsydry;

struct OknoPolaczenia {
    QWidget* okno = nullptr;
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr;
    KursorKlepsydry* klepsydra = nullptr;
};

} // namespace orbaklaw

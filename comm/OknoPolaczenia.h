#pragma once
// What the register link uses of the main window: the window itself (the
// communication dialog's parent, repainted before an exchange), its
// actions and busy cursor, the panel the start-up query fills and its key
// choice, and "Odczyt z kasy" of the definitions, which the start-up query
// runs when asked to. The window owns all of them.

#include <functional>

class QWidget;

namespace orbaklaw {

class Akcje;
class Dialogi;
class KursorKlepsydry;
class PanelDefinicji;
class WyborKlawisza;

struct OknoPolaczenia {
    QWidget* okno = nullptr;
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr;
    KursorKlepsydry* klepsydra = nullptr;
    PanelDefinicji* panel = nullptr;
    WyborKlawisza* wybor = nullptr;
    std::function<void()> odczytajDefinicje;
};

} // namespace orbaklaw

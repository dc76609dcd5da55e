#pragma once
// What the buttons that move definitions and the start-up query use of the
// main window: the program's state, the panel with its key choice and label
// names, the ALT variant group, the busy cursor, the two file dialogs'
// settings, the register libraries, and the communication dialog, which
// opens when no configuration is saved yet. The window owns all of them.

#include <functional>

class QWidget;

namespace orbaklaw {

class Akcje;
class BibliotekiKasy;
class Dialogi;
class GrupaRadiowa;
class KursorKlepsydry;
class OpisKlawiszy;
class PanelDefinicji;
class WyborKlawisza;
struct StanProgramu;
struct DialogPliku;

struct OknoTransferu {
    StanProgramu* stan = nullptr;
    QWidget* okno = nullptr; // repainted before the register blocks it
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr; // where a failure goes to the error handler
    KursorKlepsydry* klepsydra = nullptr;
    PanelDefinicji* panel = nullptr;
    WyborKlawisza* wybor = nullptr;
    OpisKlawiszy* opis = nullptr;
    GrupaRadiowa* alty = nullptr;
    DialogPliku* odczytPliku = nullptr; // "OKlawisze"
    DialogPliku* zapisPliku = nullptr;  // "zklawisze"
    BibliotekiKasy* biblioteki = nullptr;
    std::function<void()> pokazOknoKomunik; // modal; returns when it closes
};

} // namespace orbaklaw

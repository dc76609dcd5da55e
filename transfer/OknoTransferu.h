#pragma once
// What the buttons that move definitions use of the main window: the
// panel's key choice and label names, the ALT variant group, the busy
// cursor, the two file dialogs' settings, the register libraries, and the
// communication dialog, which opens when no configuration is saved yet.
// The window owns all of them.

#include <functional>

class QWidget;

namespace orbaklaw {

class Akcje;
class BibliotekiKasy;
class Dialogi;
class GrupaRadiowa;
class KursorKlepsydry;
class OpisKlawiszy;
class WyborKlawisza;
struct DialogPliku;

struct OknoTransferu {
    QWidget* okno = nullptr; // repainted before the register blocks it
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr; // tells of a file that can't be read or saved
    KursorKlepsydry* klepsydra = nullptr;
    WyborKlawisza* wybor = nullptr;
    OpisKlawiszy* opis = nullptr;
    GrupaRadiowa* alty = nullptr;
    DialogPliku* odczytPliku = nullptr; // "OKlawisze"
    DialogPliku* zapisPliku = nullptr;  // "zklawisze"
    BibliotekiKasy* biblioteki = nullptr;
    std::function<void()> pokazOknoKomunik; // modal; returns when it closes
};

} // namespace orbaklaw

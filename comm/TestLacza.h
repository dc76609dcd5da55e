#pragma once
// The link test behind "Połącz": runs the link test (comm/ProbaLacza) with
// the dialog's settings, keeps what it found in the program state and shows
// the message of a failure.

#include "comm/BibliotekaDynamiczna.h"
#include "format/Konfiguracja.h"

#include <string>

namespace orbaklaw {

class Dialogi;
class WinSer;
struct StanProgramu;
struct WynikProbyLacza;

class TestLacza {
public:
    TestLacza(WinSer& port, Dialogi& dialogi, StanProgramu& stan)
        : port_(port), dialogi_(dialogi), stan_(stan) {}

    // The two-digit model code followed by the register's two-character
    // number ("0601"), or empty after a failure whose message was shown; a
    // failure when the library can't be used (nothing shown yet).
    // Sets TypKasy, NrKasyZTestu, WersjaKasy, NumerKasy and KodBledu.
    ZBiblioteki<std::string> Wykonaj(const UstawieniaKomunikacji& u);

private:
    std::string Pokaz(const WynikProbyLacza& wynik);
    void PokazBladPortu(const WynikProbyLacza& wynik);

    WinSer& port_;
    int com_ = 0; // the port of the test
    Dialogi& dialogi_;
    StanProgramu& stan_;
};

} // namespace orbaklaw

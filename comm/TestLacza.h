#pragma once
// The link test behind "Połącz": opens the port with the dialog's settings,
// asks who answers and under which number, and closes the port again.

#include "comm/Konfiguracja.h"

#include <cstdint>
#include <string>

namespace orbaklaw {

class Dialogi;
class WinSer;

class TestLacza {
public:
    TestLacza(WinSer& port, Dialogi& dialogi) : port_(port), dialogi_(dialogi) {}

    // The two-digit model code followed by the register's two-character
    // number ("0601"), or empty after a failure whose message was shown.
    // Sets TypKasy, NrKasyZTestu, WersjaKasy, NumerKasy and KodBledu.
    std::string Wykonaj(const UstawieniaKomunikacji& u);

private:
    bool OtworzPort(const UstawieniaKomunikacji& u);
    bool Zapytaj(uint8_t rozkaz, uint8_t ile);
    bool Identyfikacja();
    std::string Numer();

    WinSer& port_;
    Dialogi& dialogi_;
};

} // namespace orbaklaw

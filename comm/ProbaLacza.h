#pragma once
// The link test through the serial-port library, as the communication
// dialog's "Połącz" and orbaklaw-cli test both make it: close whatever is
// open, open the port, choose the multiplexer channel, ask who answers
// (identification) and under which number, and close the port again. What
// the caller shows of the outcome, and what it keeps, is its own.

#include "format/Konfiguracja.h"

#include <cstdint>
#include <string>

namespace orbaklaw {

class WinSer;

// The step at which a link test stopped.
enum class BladProbyLacza {
    Brak,          // every step done
    Port,          // InitializePort refused (kod: its result); not closed again
    Kanal,         // the multiplexer did not take the channel
    Identyfikacja, // the identification exchange failed (kod)
    Numer,         // the number exchange failed (kod), or its reply is not two
                   // decimal digits (kod KASDRV_ZLA_ODPOWIEDZ)
    Biblioteka,    // the library or one of its functions is missing (powod);
                   // the port is left as it was
};

struct [[nodiscard]] WynikProbyLacza {
    BladProbyLacza blad = BladProbyLacza::Brak;
    uint8_t kod = 0;
    bool zainicjowany = false;    // InitializePort has answered, whatever it said
    bool zidentyfikowana = false; // model and wersja hold the identification
    uint8_t model = 0;            // the identification's first byte (comm/ModeleKas)
    uint8_t wersja = 0;           // the version of the register's program
    std::string numer;            // the number's two digits, once they came
    int nrKasy = 0;               // the same as a number
    std::string powod;            // why the library can't be used (Windows-1250)
};

// The test step by step: when the library can't be used (a missing library
// or function), the result still tells how far the test came.
WynikProbyLacza ProbujLacze(WinSer& port, const UstawieniaKomunikacji& u);

} // namespace orbaklaw

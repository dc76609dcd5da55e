#include "comm/ProbaLacza.h"

#include "comm/WinSer.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw {

namespace {

bool Cyfra(uint8_t b) {
    return b >= '0' && b <= '9';
}

// One exchange; a failure is kept in `wynik` as the step `etap`.
bool Zapytaj(WinSer& port, uint8_t rozkaz, uint8_t ile, BladProbyLacza etap,
             WynikProbyLacza& wynik) {
    const uint8_t kod = port.RSSequence(rozkaz, ile);
    if (kod == 0)
        return true;
    wynik.blad = etap;
    wynik.kod = kod;
    return false;
}

// The port is open (and the channel chosen): who answers, then its number.
void Zapytania(WinSer& port, WynikProbyLacza& wynik) {
    if (!Zapytaj(port, RozkazIdentyfikacji, 4, BladProbyLacza::Identyfikacja, wynik))
        return;
    wynik.model = port.Odpowiedz()[0];
    wynik.wersja = port.Odpowiedz()[1];
    wynik.zidentyfikowana = true;
    if (!Zapytaj(port, RozkazNumeru, 3, BladProbyLacza::Numer, wynik))
        return;
    const auto& odp = port.Odpowiedz();
    if (!Cyfra(odp[0]) || !Cyfra(odp[1])) {
        wynik.blad = BladProbyLacza::Numer;
        wynik.kod = KASDRV_ZLA_ODPOWIEDZ;
        return;
    }
    wynik.numer = {static_cast<char>(odp[0]), static_cast<char>(odp[1])};
    wynik.nrKasy = (odp[0] - '0') * 10 + (odp[1] - '0');
}

} // namespace

void ProbujLacze(WinSer& port, const UstawieniaKomunikacji& u, WynikProbyLacza& wynik) {
    wynik = {};
    port.UnInitializePort();
    const uint8_t kod =
        port.InitializePort(static_cast<uint8_t>(u.port), static_cast<uint16_t>(u.szybkosc),
                            static_cast<uint16_t>(u.timeout));
    wynik.zainicjowany = true;
    if (kod != 0) {
        wynik.blad = BladProbyLacza::Port;
        wynik.kod = kod;
        return;
    }
    if (u.multiplekser > 0 && !port.UstawKanal(static_cast<uint8_t>(u.kanal)))
        wynik.blad = BladProbyLacza::Kanal;
    else
        Zapytania(port, wynik);
    port.UnInitializePort();
}

} // namespace orbaklaw

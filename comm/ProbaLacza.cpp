#include "comm/ProbaLacza.h"

#include "comm/WinSer.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw {

namespace {

bool Cyfra(uint8_t b) {
    return b >= '0' && b <= '9';
}

// The library can't be used: the test ends where it stands.
bool BezBiblioteki(const BladBiblioteki& blad, WynikProbyLacza& wynik) {
    wynik.blad = BladProbyLacza::Biblioteka;
    wynik.powod = blad.opis;
    return false;
}

// One exchange; a failure is kept in `wynik` as the step `etap`.
bool Zapytaj(WinSer& port, uint8_t rozkaz, uint8_t ile, BladProbyLacza etap,
             WynikProbyLacza& wynik) {
    const auto kod = port.RSSequence(rozkaz, ile);
    if (!kod)
        return BezBiblioteki(kod.Blad(), wynik);
    if (*kod == 0)
        return true;
    wynik.blad = etap;
    wynik.kod = *kod;
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

// The port is open: the channel when there is a multiplexer, then the
// questions. False when the library failed.
bool Otwarty(WinSer& port, const UstawieniaKomunikacji& u, WynikProbyLacza& wynik) {
    if (u.multiplekser > 0) {
        const auto kanal = port.UstawKanal(static_cast<uint8_t>(u.kanal));
        if (!kanal)
            return BezBiblioteki(kanal.Blad(), wynik);
        if (!*kanal) {
            wynik.blad = BladProbyLacza::Kanal;
            return true;
        }
    }
    Zapytania(port, wynik);
    return wynik.blad != BladProbyLacza::Biblioteka;
}

void Probuj(WinSer& port, const UstawieniaKomunikacji& u, WynikProbyLacza& wynik) {
    if (const auto zamkniety = port.UnInitializePort(); !zamkniety) {
        BezBiblioteki(zamkniety.Blad(), wynik);
        return;
    }
    const auto kod =
        port.InitializePort(static_cast<uint8_t>(u.port), static_cast<uint16_t>(u.szybkosc),
                            static_cast<uint16_t>(u.timeout));
    if (!kod) {
        BezBiblioteki(kod.Blad(), wynik);
        return;
    }
    wynik.zainicjowany = true;
    if (*kod != 0) {
        wynik.blad = BladProbyLacza::Port;
        wynik.kod = *kod;
        return;
    }
    if (!Otwarty(port, u, wynik))
        return;
    if (const auto zamkniety = port.UnInitializePort(); !zamkniety)
        BezBiblioteki(zamkniety.Blad(), wynik);
}

} // namespace

WynikProbyLacza ProbujLacze(WinSer& port, const UstawieniaKomunikacji& u) {
    WynikProbyLacza wynik;
    Probuj(port, u, wynik);
    return wynik;
}

} // namespace orbaklaw

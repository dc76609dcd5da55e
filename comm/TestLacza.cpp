#include "comm/TestLacza.h"

#include "comm/ModeleKas.h"
#include "comm/PokazBlad.h"
#include "comm/WinSer.h"
#include "drivers/kasdrv/kasdrv_kody.h"
#include "state/Stan.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

namespace {

bool Cyfra(uint8_t b) {
    return b >= '0' && b <= '9';
}

std::string KodDwucyfrowy(int kod) {
    return std::string(1, static_cast<char>('0' + kod / 10)) + static_cast<char>('0' + kod % 10);
}
} // namespace

std::string TestLacza::Wykonaj(const UstawieniaKomunikacji& u) {
    Stan().TypKasy = 0;
    Stan().NrKasyZTestu = 0;
    if (!OtworzPort(u))
        return {};
    std::string wynik;
    if (Identyfikacja()) {
        const std::string numer = Numer();
        if (!numer.empty())
            wynik = KodDwucyfrowy(Stan().TypKasy) + numer;
    }
    port_.UnInitializePort();
    return wynik;
}

bool TestLacza::OtworzPort(const UstawieniaKomunikacji& u) {
    port_.UnInitializePort();
    Stan().KodBledu =
        port_.InitializePort(static_cast<uint8_t>(u.port), static_cast<uint16_t>(u.szybkosc),
                             static_cast<uint16_t>(u.timeout));
    if (Stan().KodBledu != 0) {
        dialogi_.Komunikat(QStringLiteral("Niemożliwe zainicjowanie portu szeregowego"));
        Stan().KodBledu = 0; // the port is not closed again on this path
        return false;
    }
    if (u.multiplekser > 0 && !port_.UstawKanal(static_cast<uint8_t>(u.kanal))) {
        dialogi_.Komunikat(QStringLiteral("Niemożliwe zainicjowanie portu szeregowego"));
        port_.UnInitializePort();
        return false;
    }
    return true;
}

// One exchange; a failure shows its code's message. The caller closes the port.
bool TestLacza::Zapytaj(uint8_t rozkaz, uint8_t ile) {
    const uint8_t kod = port_.RSSequence(rozkaz, ile);
    if (kod == 0)
        return true;
    Stan().KodBledu = kod;
    PokazBlad(dialogi_, kod);
    return false;
}

// The model and the version byte, which the editor checks options against.
bool TestLacza::Identyfikacja() {
    if (!Zapytaj(RozkazIdentyfikacji, 4))
        return false;
    const auto& odp = port_.Odpowiedz();
    Stan().TypKasy = KodModelu(odp[0]);
    Stan().WersjaKasy = odp[1];
    return true;
}

// The number the register reports, as two characters. A number
// that is not two decimal digits is a malformed reply (code 23).
std::string TestLacza::Numer() {
    if (!Zapytaj(RozkazNumeru, 3))
        return {};
    const auto& odp = port_.Odpowiedz();
    if (!Cyfra(odp[0]) || !Cyfra(odp[1])) {
        Stan().KodBledu = KASDRV_ZLA_ODPOWIEDZ;
        PokazBlad(dialogi_, KASDRV_ZLA_ODPOWIEDZ);
        return {};
    }
    const std::string numer{static_cast<char>(odp[0]), static_cast<char>(odp[1])};
    Stan().NumerKasy = numer;
    Stan().NrKasyZTestu = (odp[0] - '0') * 10 + (odp[1] - '0');
    return numer;
}

} // namespace orbaklaw

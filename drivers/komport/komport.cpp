// The exported functions of libkomport: C shims over one Komport that lives
// as long as the library is loaded.
#include "orbaklaw/komport.h"

#include "drivers/komport/Komport.h"
#include "generated/WersjaProgramu.h"

namespace {
orbaklaw::komport::Komport& Port() {
    static orbaklaw::komport::Komport port;
    return port;
}
} // namespace

extern "C" {

uint8_t KOMPORT_WYWOLANIE InitializePort(uint8_t port, uint16_t szybkosc, uint16_t timeoutOdbioru,
                                         uint16_t timeoutNadawania) {
    return Port().Inicjuj(port, szybkosc, timeoutOdbioru, timeoutNadawania);
}

uint8_t KOMPORT_WYWOLANIE UnInitializePort(void) {
    Port().Zamknij();
    return 0;
}

uint8_t KOMPORT_WYWOLANIE UstawKanal(uint8_t kanal) {
    return Port().UstawKanal(kanal);
}

uint8_t KOMPORT_WYWOLANIE RSSequence(uint8_t rozkaz, uint8_t ile, uint8_t wysylane,
                                     uint8_t* odpowiedz, uint8_t* bufor) {
    return Port().Sekwencja(rozkaz, ile, wysylane, odpowiedz, bufor);
}

const char* KOMPORT_WYWOLANIE komport_orbaklaw(void) {
    return orbaklaw::WersjaProgramu;
}

} // extern "C"

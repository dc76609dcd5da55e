#pragma once
// WinSer: the serial-port library (libkomport.so in the program's folder)
// as the link test calls it. The two 256-byte areas of RSSequence are held
// here for the whole run. A missing library or function is a BladBiblioteki
// of the call that first needs it.

#include "comm/TabelaFunkcji.h"
#include "comm/WykonawcaWywolan.h"
#include "orbaklaw/komport.h"
#include "platform/NazwyBibliotek.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace orbaklaw {

// Called with the library's calling convention (KOMPORT_WYWOLANIE, a
// setting of the build on 32-bit Windows).
struct FunkcjeKomPort {
    uint8_t(KOMPORT_WYWOLANIE* InitializePort)(uint8_t port, uint16_t szybkosc, uint16_t timeout1,
                                               uint16_t timeout2) = nullptr;
    uint8_t(KOMPORT_WYWOLANIE* UnInitializePort)() = nullptr;
    uint8_t(KOMPORT_WYWOLANIE* UstawKanal)(uint8_t kanal) = nullptr;
    uint8_t(KOMPORT_WYWOLANIE* RSSequence)(uint8_t rozkaz, uint8_t ile, uint8_t zero,
                                           uint8_t* odpowiedz, uint8_t* bufor) = nullptr;
};

constexpr uint8_t RozkazIdentyfikacji = 0xFE;
constexpr uint8_t RozkazNumeru = 0xC0;

class WinSer {
public:
    // Loads libkomport.so from the program's folder when first used.
    WinSer();
    // Uses the given table (tests); a null entry is a missing function.
    explicit WinSer(const FunkcjeKomPort& funkcje);

    // 0: the port is open. The timeout (1..1000 s) goes as both timeouts.
    ZBiblioteki<uint8_t> InitializePort(uint8_t port, uint16_t szybkosc, uint16_t timeout);
    ZBiblioteki<void> UnInitializePort();
    // True when the channel is selected.
    ZBiblioteki<bool> UstawKanal(uint8_t kanal);
    // Identification (0xFE, 4 bytes) or number query (0xC0, 3 bytes); 0
    // leaves the reply in Odpowiedz().
    ZBiblioteki<uint8_t> RSSequence(uint8_t rozkaz, uint8_t ile);
    const std::array<uint8_t, 256>& Odpowiedz() const { return odpowiedz_; }

    // Every call goes through `wykonawca`; the reply areas are read once
    // the call has ended.
    void UstawWykonawce(WykonawcaWywolan wykonawca) { wykonawca_ = std::move(wykonawca); }

private:
    TabelaFunkcji<FunkcjeKomPort> funkcje_;
    WykonawcaWywolan wykonawca_;
    std::array<uint8_t, 256> odpowiedz_{};
    std::array<uint8_t, 256> bufor_{};
};

} // namespace orbaklaw

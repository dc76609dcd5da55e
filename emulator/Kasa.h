#pragma once
// An emulated ORBA register: answers one request with its reply payload
// (status byte first) and applies the register's own checks to definitions.

#include "drivers/protocol/Frame.h"
#include "emulator/StanKasy.h"
#include "orbaklaw/kasdrv_kody.h"

#include <cstdint>
#include <vector>

namespace orbaklaw::emulator {

// Status bytes of the register's refusals (the drivers map them to codes).
namespace status {
constexpr uint8_t NiedostepnyRozkaz = 25;    // the program version lacks it: code 25
constexpr uint8_t BlednyNumerTowaru = 30;    // code 105
constexpr uint8_t PlatnoscPozaZakresem = 39; // code 115
constexpr uint8_t ParametrPozaZakresem = 48; // code 208
} // namespace status

struct TozsamoscKasy {
    uint8_t model = 0x6B; // 'k': ORBA
    uint8_t wersja = 2;
    int numer = 1;
};

class Kasa {
public:
    Kasa(TozsamoscKasy tozsamosc, StanKasy stan);

    // Whether the frame is for this register: its own number, or address 0
    // for the identification, the number query and the multiplexer channel
    // (which a register without a multiplexer refuses as unknown). A
    // register acts on nothing else and leaves the line silent.
    bool Adresowana(const protocol::Frame& zadanie) const;
    // The reply payload, status byte first.
    std::vector<uint8_t> Obsluz(const protocol::Frame& zadanie);
    int Numer() const { return tozsamosc_.numer; }
    // A write then keeps the old record of its first key, and still says it
    // took the write (the fault "stale-key").
    void ZostawStaryKlawisz(bool zostaw) { staryKlawisz_ = zostaw; }

private:
    std::vector<uint8_t> Zapisz(const std::vector<uint8_t>& dane);
    std::vector<uint8_t> Kasuj(const std::vector<uint8_t>& dane);
    // 0 when the register takes the definition, else the refusal's status byte.
    uint8_t SprawdzKlawisz(const DefinicjaKlawisza& d) const;

    TozsamoscKasy tozsamosc_;
    StanKasy stan_;
    bool staryKlawisz_ = false;
};

} // namespace orbaklaw::emulator

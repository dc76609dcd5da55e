// Fuzz target: register data turned into reply files, and requests answered
// by the emulated register.
#include "drivers/kasdrv/PlikiOdpowiedzi.h"
#include "emulator/Kasa.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    if (size == 0)
        return 0;
    const std::vector<uint8_t> dane(data + 1, data + size);
    std::string tekst;
    kasdrv::TekstDefinicji(dane, data[0] % 100, tekst);
    kasdrv::TekstTowarow(dane, data[0] % 100, tekst);
    kasdrv::TekstPlatnosci(dane, data[0] % 100, tekst);
    emulator::Kasa kasa({0x6B, static_cast<uint8_t>(data[0] & 1 ? 1 : 2), 1}, emulator::StanKasy());
    auto odpowiedz = kasa.Obsluz({1, data[0], dane});
    if (odpowiedz.empty())
        __builtin_trap(); // every answer carries a status
    return 0;
}

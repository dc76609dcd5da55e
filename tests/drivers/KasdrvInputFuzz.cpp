// Fuzz target: the register library's checks of its input files.
#include "drivers/kasdrv/PlikiWejsciowe.h"
#include "files/PlikTekstowy.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw;
    const auto linie = PodzielNaLinie(std::string(reinterpret_cast<const char*>(data), size));
    auto d = kasdrv::CzytajDefinicje(linie);
    if (d.kod == 0 && (d.numer < 1 || d.numer > 99 || d.klawisze.size() < 64))
        __builtin_trap();
    auto k = kasdrv::CzytajKasowanie(linie);
    if (k.kod == 0 && k.kody.empty())
        __builtin_trap();
    for (const auto& l : linie)
        (void)kasdrv::KodZlejLinii(l);
    return 0;
}

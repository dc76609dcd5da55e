#include "cli/StanBiblioteki.h"

#include "comm/BibliotekaDynamiczna.h"
#include "comm/BibliotekaKasdrv.h"

#include "comm/FolderyProgramu.h"
#include "platform/LadowanieBibliotek.h"

namespace orbaklaw::cli {

namespace {
// kasdrv_postep (include/orbaklaw/kasdrv.h): bytes done and expected of the
// call in progress; 1 while a call runs, else 0.
using FunkcjaPostepu = int (*)(uint32_t*, uint32_t*);
constexpr const char* NazwaFunkcjiPostepu = "kasdrv_postep";

// kasdrv_opis_bledu: the reason of the last failure, cut to the buffer.
using FunkcjaOpisu = uint32_t (*)(char*, uint32_t);
constexpr const char* NazwaFunkcjiOpisu = "kasdrv_opis_bledu";

// The loaded library's function, or null. The library stays loaded for the
// whole run, so the address stays valid.
void* Funkcja(const char* nazwa) {
    void* uchwyt = platform::ZaladujBiblioteke(SciezkaBiblioteki(NazwaBibliotekiKasdrv));
    return uchwyt ? platform::AdresFunkcji(uchwyt, nazwa) : nullptr;
}
} // namespace

StanWymiany StanZBiblioteki() {
    auto funkcja = reinterpret_cast<FunkcjaPostepu>(Funkcja(NazwaFunkcjiPostepu));
    if (!funkcja)
        return {};
    return [funkcja](uint64_t& zrobione, uint64_t& oczekiwane) {
        uint32_t z = 0;
        uint32_t o = 0;
        if (funkcja(&z, &o) != 1)
            return false;
        zrobione = z;
        oczekiwane = o;
        return true;
    };
}

std::string OpisBleduZBiblioteki() {
    auto funkcja = reinterpret_cast<FunkcjaOpisu>(Funkcja(NazwaFunkcjiOpisu));
    if (!funkcja)
        return {};
    char opis[512] = "";
    funkcja(opis, sizeof opis);
    return opis;
}

} // namespace orbaklaw::cli

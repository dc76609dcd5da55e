#include "cli/StanBiblioteki.h"

#include "comm/BibliotekaDynamiczna.h"
#include "comm/BibliotekaKasdrv.h"

#include <dlfcn.h>

namespace orbaklaw::cli {

namespace {
// Bytes done and expected of the exchange in progress; 0 when one is under way.
using FunkcjaPostepu = uint8_t (*)(uint32_t*, uint32_t*);
constexpr const char* NazwaFunkcjiPostepu = "_PostepWymiany";
} // namespace

StanWymiany StanZBiblioteki() {
    const auto plik = FolderProgramu() / NazwaBibliotekiKasdrv;
    // The library stays loaded for the whole run, so the function stays valid.
    void* uchwyt = ::dlopen(plik.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!uchwyt)
        return {};
    auto funkcja = reinterpret_cast<FunkcjaPostepu>(::dlsym(uchwyt, NazwaFunkcjiPostepu));
    if (!funkcja)
        return {};
    return [funkcja](uint64_t& zrobione, uint64_t& oczekiwane) {
        uint32_t z = 0;
        uint32_t o = 0;
        if (funkcja(&z, &o) != 0)
            return false;
        zrobione = z;
        oczekiwane = o;
        return true;
    };
}

} // namespace orbaklaw::cli

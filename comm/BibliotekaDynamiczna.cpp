#include "comm/BibliotekaDynamiczna.h"

#include <dlfcn.h>

namespace orbaklaw {

BibliotekaDynamiczna::BibliotekaDynamiczna(const std::filesystem::path& plik) : plik_(plik) {
    uchwyt_ = dlopen(plik.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!uchwyt_) {
        const char* powod = dlerror();
        // "Nie można załadować biblioteki "
        throw BladBiblioteki("Nie mo\277na za\263adowa\346 biblioteki " + plik.string() +
                             (powod ? std::string(": ") + powod : std::string()));
    }
}

BibliotekaDynamiczna::~BibliotekaDynamiczna() {
    dlclose(uchwyt_);
}

void* BibliotekaDynamiczna::Symbol(const char* nazwa) const {
    dlerror();
    void* adres = dlsym(uchwyt_, nazwa);
    if (!adres)
        throw BladBiblioteki("Brak funkcji " + std::string(nazwa) + " w bibliotece " +
                             plik_.string());
    return adres;
}

void* BibliotekaDynamiczna::Opcjonalny(const char* nazwa) const {
    dlerror();
    return dlsym(uchwyt_, nazwa);
}

} // namespace orbaklaw

#include "platform/LadowanieBibliotek.h"

#include <dlfcn.h>

namespace orbaklaw::platform {

void* ZaladujBiblioteke(const std::filesystem::path& plik, std::string* powod) {
    void* biblioteka = ::dlopen(plik.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!biblioteka && powod) {
        const char* opis = ::dlerror();
        *powod = opis ? opis : "";
    }
    return biblioteka;
}

void* AdresFunkcji(void* biblioteka, const char* nazwa) {
    ::dlerror();
    return ::dlsym(biblioteka, nazwa);
}

void ZwolnijBiblioteke(void* biblioteka) {
    if (biblioteka)
        ::dlclose(biblioteka);
}

} // namespace orbaklaw::platform

#include "platform/LadowanieBibliotek.h"

#include "platform/BladWin32.h"

#include <windows.h>

#include <cstdint>

namespace orbaklaw::platform {

void* ZaladujBiblioteke(const std::filesystem::path& plik, std::string* powod) {
    // A full path is searched from its own folder for the libraries it
    // needs in turn; the current folder plays no part.
    HMODULE biblioteka = ::LoadLibraryExW(plik.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!biblioteka && powod)
        *powod = OpisBleduWin32(::GetLastError());
    return reinterpret_cast<void*>(biblioteka);
}

void* AdresFunkcji(void* biblioteka, const char* nazwa) {
    FARPROC adres = ::GetProcAddress(static_cast<HMODULE>(biblioteka), nazwa);
    // A function's address as a plain pointer, the same size on Windows.
    return reinterpret_cast<void*>(reinterpret_cast<uintptr_t>(adres));
}

void ZwolnijBiblioteke(void* biblioteka) {
    if (biblioteka)
        ::FreeLibrary(static_cast<HMODULE>(biblioteka));
}

} // namespace orbaklaw::platform

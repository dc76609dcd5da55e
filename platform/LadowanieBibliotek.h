#pragma once
// Loading a shared library at run time and finding its functions.

#include <filesystem>
#include <string>

namespace orbaklaw::platform {

// The loaded library, or null when it can't be loaded; `powod` then gets
// the system's reason, when it gives one.
void* ZaladujBiblioteke(const std::filesystem::path& plik, std::string* powod = nullptr);

// The address of the library's exported function `nazwa`; null when missing.
void* AdresFunkcji(void* biblioteka, const char* nazwa);

// Gives the library back; addresses found in it are no longer valid.
void ZwolnijBiblioteke(void* biblioteka);

} // namespace orbaklaw::platform

#pragma once
// Which register libraries the program takes: the path each one is loaded
// from and whether it is the one that came with orbaklaw (it says its
// version) or another one, the register maker's, put in its place.

#include <filesystem>
#include <string>

namespace orbaklaw {

struct OpisBiblioteki {
    enum class Rodzaj { Brak, Nasza, Obca };

    std::string nazwa;             // "KASDRV.DLL", "libkasdrv.so"
    std::filesystem::path sciezka; // where the program loads it from
    Rodzaj rodzaj = Rodzaj::Brak;
    std::string wersja; // ours: the orbaklaw version it came with
    std::string powod;  // Brak: why it can't be loaded
};

// The register library and the port library, as the program would load them
// from `folderProgramu`.
[[nodiscard]] OpisBiblioteki OpiszBibliotekeKasdrv(const std::filesystem::path& folderProgramu);
[[nodiscard]] OpisBiblioteki OpiszBibliotekeKomPort(const std::filesystem::path& folderProgramu);

} // namespace orbaklaw

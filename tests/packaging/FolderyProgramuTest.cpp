// Where the programs look for what goes with them: the register libraries
// beside the program (the build tree) or in the installed library folder
// found relative to it, and the installed data folder; never the current
// folder.

#include "comm/FolderyProgramu.h"
#include "generated/Instalacja.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <fstream>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

void Utworz(const fs::path& plik) {
    if (plik.has_parent_path())
        fs::create_directories(plik.parent_path());
    std::ofstream(plik) << "x";
}

struct Przypadek {
    const char* nazwa;
    bool obok;              // a library beside the program
    bool zainstalowana;     // a library in the installed library folder
    bool wBiezacym;         // a library in the current folder
    const char* oczekiwana; // "obok" or "zainstalowana"
};

class MiejsceBiblioteki : public ::testing::TestWithParam<Przypadek> {};

TEST_P(MiejsceBiblioteki, ChoosesTheRightPlace) {
    const Przypadek& p = GetParam();
    test::KatalogTymczasowy katalog;
    const fs::path bin = katalog / "prefix/bin";
    const fs::path lib = (bin / FolderBibliotekWzgledny).lexically_normal();
    fs::create_directories(bin);
    if (p.obok)
        Utworz(bin / "libkasdrv.so");
    if (p.zainstalowana)
        Utworz(lib / "libkasdrv.so");
    const fs::path poprzedni = fs::current_path();
    fs::create_directories(katalog / "praca");
    fs::current_path(katalog / "praca");
    if (p.wBiezacym)
        Utworz("libkasdrv.so");
    const fs::path wynik = SciezkaBiblioteki("libkasdrv.so", bin);
    fs::current_path(poprzedni);
    const fs::path oczekiwana =
        std::string(p.oczekiwana) == "obok" ? bin / "libkasdrv.so" : lib / "libkasdrv.so";
    EXPECT_EQ(wynik, oczekiwana);
    EXPECT_TRUE(wynik.is_absolute()) << "never relative to the current folder";
}

INSTANTIATE_TEST_SUITE_P(
    Miejsca, MiejsceBiblioteki,
    ::testing::Values(Przypadek{"BuildTree", true, false, false, "obok"},
                      Przypadek{"BesideWinsOverInstalled", true, true, false, "obok"},
                      Przypadek{"InstalledTree", false, true, false, "zainstalowana"},
                      Przypadek{"InstalledTreeIgnoresTheCurrentFolder", false, true, true,
                                "zainstalowana"},
                      // The failure to load then names the place beside the program.
                      Przypadek{"NowhereNamesTheProgramsFolder", false, false, true, "obok"}),
    [](const auto& przypadek) { return std::string(przypadek.param.nazwa); });

TEST(SciezkaBiblioteki, AnUnknownProgramFolderLeavesTheSearchToTheSystem) {
    // A bare name: the system's library path, which has no current folder.
    EXPECT_EQ(SciezkaBiblioteki("libkasdrv.so", fs::path()), fs::path("libkasdrv.so"));
}

TEST(FolderDanychProgramu, IsTheShareFolderBesideTheProgramsFolder) {
    EXPECT_EQ(FolderDanychProgramu(fs::path("/opt/x/bin")), fs::path("/opt/x/share/orbaklaw"));
    EXPECT_EQ(FolderDanychProgramu(fs::path()), fs::path());
}

TEST(FolderProgramu, IsTheFolderOfThisTest) {
    EXPECT_TRUE(fs::exists(FolderProgramu() / "test_packaging_foldery"));
}

} // namespace
} // namespace orbaklaw

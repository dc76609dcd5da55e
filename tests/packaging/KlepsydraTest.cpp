// The busy cursor of an installed program: "hourglas.ani" of the current
// folder when there is one there, else the one of the installed data folder.

#include "tests/support/KatalogTymczasowy.h"
#include "widgets/KursorKlepsydry.h"

#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

enum class Plik { Brak, Dobry, Zepsuty };

struct Przypadek {
    const char* nazwa;
    Plik wBiezacym;
    Plik wDanych;
    bool animowany;
};

void Poloz(const fs::path& folder, Plik plik, const char* nazwa = "hourglas.ani") {
    fs::create_directories(folder);
    if (plik == Plik::Dobry)
        fs::copy_file(ORBAKLAW_RESOURCES "/hourglas.ani", folder / nazwa);
    else if (plik == Plik::Zepsuty)
        std::ofstream(folder / nazwa, std::ios::binary) << "RIFF, ale nie kursor";
}

class MiejsceKlepsydry : public ::testing::TestWithParam<Przypadek> {};

TEST_P(MiejsceKlepsydry, TheCurrentFolderFirstThenTheInstalledOne) {
    const Przypadek& p = GetParam();
    test::KatalogTymczasowy katalog;
    Poloz(katalog / "praca", p.wBiezacym);
    Poloz(katalog / "share", p.wDanych);
    const fs::path poprzedni = fs::current_path();
    fs::current_path(katalog / "praca");
    KursorKlepsydry kursor;
    kursor.WczytajZBiezacegoKataloguLub(QFile::decodeName((katalog / "share").c_str()));
    fs::current_path(poprzedni);
    EXPECT_EQ(kursor.Animowany(), p.animowany);
}

INSTANTIATE_TEST_SUITE_P(
    Miejsca, MiejsceKlepsydry,
    ::testing::Values(Przypadek{"OnlyInTheCurrentFolder", Plik::Dobry, Plik::Brak, true},
                      Przypadek{"TheCurrentFolderWins", Plik::Dobry, Plik::Zepsuty, true},
                      // A broken file in the current folder keeps the standard cursor,
                      // as it always did: the installed one does not stand in for it.
                      Przypadek{"ABrokenFileHereIsStillTheOneUsed", Plik::Zepsuty, Plik::Dobry,
                                false},
                      Przypadek{"OnlyInstalled", Plik::Brak, Plik::Dobry, true},
                      Przypadek{"BrokenInstalled", Plik::Brak, Plik::Zepsuty, false},
                      Przypadek{"Nowhere", Plik::Brak, Plik::Brak, false}),
    [](const auto& przypadek) { return std::string(przypadek.param.nazwa); });

TEST(Klepsydra, TheInstalledFileIsFoundWhateverItsCase) {
    test::KatalogTymczasowy katalog;
    Poloz(katalog / "praca", Plik::Brak);
    Poloz(katalog / "share", Plik::Dobry, "HOURGLAS.ANI");
    const fs::path poprzedni = fs::current_path();
    fs::current_path(katalog / "praca");
    KursorKlepsydry kursor;
    EXPECT_TRUE(
        kursor.WczytajZBiezacegoKataloguLub(QFile::decodeName((katalog / "share").c_str())));
    fs::current_path(poprzedni);
    EXPECT_TRUE(kursor.Animowany());
}

} // namespace
} // namespace orbaklaw

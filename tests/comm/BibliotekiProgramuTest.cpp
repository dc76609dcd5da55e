// Which register libraries "O programie" names: ours say their version,
// another library under the same name is the register maker's, a missing
// one says why it can't be loaded.
#include "comm/BibliotekiProgramu.h"
#include "comm/FolderyProgramu.h"
#include "generated/WersjaProgramu.h"
#include "platform/NazwyBibliotek.h"
#include "tests/support/KatalogTymczasowy.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;
using Rodzaj = OpisBiblioteki::Rodzaj;

TEST(BibliotekiProgramu, OursTheMakersAndAMissingOneAreToldApart) {
    const fs::path nasze = FolderProgramu();
    test::KatalogTymczasowy obce;
    // A library that is not ours under our names: each one's own file
    // under the other's name lacks the other's version function.
    fs::copy_file(nasze / NazwaBibliotekiKomPort, obce / NazwaBibliotekiKasdrv);
    fs::copy_file(nasze / NazwaBibliotekiKasdrv, obce / NazwaBibliotekiKomPort);
    test::KatalogTymczasowy pusty;

    struct Przypadek {
        const char* co;
        fs::path folder;
        Rodzaj rodzaj;
    } const przypadki[] = {
        {"ours beside the program", nasze, Rodzaj::Nasza},
        {"another library in their place", obce.sciezka(), Rodzaj::Obca},
        {"none", pusty.sciezka(), Rodzaj::Brak},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.co);
        for (const OpisBiblioteki& b :
             {OpiszBibliotekeKasdrv(p.folder), OpiszBibliotekeKomPort(p.folder)}) {
            SCOPED_TRACE(b.nazwa);
            EXPECT_EQ(b.rodzaj, p.rodzaj);
            EXPECT_EQ(b.sciezka, p.folder / b.nazwa);
            EXPECT_EQ(b.wersja, p.rodzaj == Rodzaj::Nasza ? WersjaProgramu : "");
            EXPECT_EQ(b.powod.empty(), p.rodzaj != Rodzaj::Brak) << b.powod;
        }
    }
}

} // namespace
} // namespace orbaklaw

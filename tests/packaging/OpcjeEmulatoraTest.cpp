// orba-emu's own questions (--help, --version) beside its register options:
// `--version N` stays the emulated register's program version.

#include "emulator/Opcje.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbaklaw::emulator {
namespace {

Opcje Czytaj(std::vector<const char*> argumenty) {
    argumenty.insert(argumenty.begin(), "orba-emu");
    return CzytajOpcje(static_cast<int>(argumenty.size()), argumenty.data());
}

TEST(OpcjeEmulatora, VersionAloneAsksForTheProgramsVersion) {
    struct Przypadek {
        std::vector<const char*> argumenty;
        bool pokazWersje;
        int wersjaKasy;
    };
    const std::vector<Przypadek> przypadki{
        {{"--version"}, true, 2},
        {{"--link", "/tmp/x", "--version"}, true, 2},
        {{"--link", "/tmp/x", "--version", "1"}, false, 1},
        {{"--version", "1", "--link", "/tmp/x"}, false, 1},
    };
    for (const auto& p : przypadki) {
        const Opcje o = Czytaj(p.argumenty);
        EXPECT_EQ(o.pokazWersje, p.pokazWersje) << p.argumenty.size();
        EXPECT_EQ(o.wersja, p.wersjaKasy) << p.argumenty.size();
    }
}

TEST(OpcjeEmulatora, HelpNeedsNoLink) {
    EXPECT_TRUE(Czytaj({"--help"}).pomoc);
    EXPECT_TRUE(Czytaj({"--fault", "nak", "--help"}).pomoc);
}

TEST(OpcjeEmulatora, DetachIsOffUnlessAsked) {
    EXPECT_FALSE(Czytaj({"--link", "/tmp/x"}).odlacz);
    EXPECT_TRUE(Czytaj({"--detach", "--link", "/tmp/x"}).odlacz);
    EXPECT_THROW(Czytaj({"--detach"}), std::invalid_argument) << "still needs its link";
}

} // namespace
} // namespace orbaklaw::emulator

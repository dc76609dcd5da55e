// orba-emu as a process: its link comes and goes with it.
#include "emulator/ProcesEmulatora.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orbaklaw::emulator {
namespace {

namespace fs = std::filesystem;

bool ZnikaW(const fs::path& p, std::chrono::milliseconds czas) {
    const auto koniec = std::chrono::steady_clock::now() + czas;
    while (std::chrono::steady_clock::now() < koniec) {
        if (!fs::is_symlink(p))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

fs::path Link(const char* nazwa) {
    return fs::temp_directory_path() / (std::string(nazwa) + std::to_string(getpid()));
}

TEST(OrbaEmu, LinkPointsAtAPtyUntilSigterm) {
    const auto link = Link("orbaklaw-emu-");
    ProcesEmulatora p(ORBA_EMU, link, {"--no-pacing"});
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string().rfind("/dev/pts/", 0), 0u);
    EXPECT_TRUE(p.Zatrzymaj());
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(OrbaEmu, EndsWhenItsParentEnds) {
    const auto link = Link("orbaklaw-sierota-");
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        try {
            auto* p = new ProcesEmulatora(ORBA_EMU, link, {"--no-pacing"});
            (void)p;
        } catch (...) {
            _exit(1);
        }
        _exit(0); // without stopping it
    }
    int status = 0;
    ASSERT_EQ(waitpid(dziecko, &status, 0), dziecko);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(ZnikaW(link, std::chrono::milliseconds(3000)));
}

TEST(OrbaEmu, BadCommandLineIsNotReady) {
    EXPECT_THROW(ProcesEmulatora(ORBA_EMU, Link("orbaklaw-zly-"), {"--fault", "fire"}, 2000),
                 std::runtime_error);
}

} // namespace
} // namespace orbaklaw::emulator

// orba-emu: an ORBA register (or a multiplexer with four) on a pseudo-terminal.
// Prints "ready PATH" once it listens; ends on SIGTERM or SIGINT, or when
// its parent ends, and removes its link.
#include "emulator/Emulator.h"
#include "emulator/Opcje.h"
#include "emulator/Pty.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Set by the signal handler; the serving loop looks at it between reads.
volatile std::sig_atomic_t koniec = 0;

void NaSygnal(int) {
    koniec = 1;
}

} // namespace

int main(int argc, char** argv) {
    const pid_t rodzic = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != rodzic)
        return 0;
    std::signal(SIGTERM, NaSygnal);
    std::signal(SIGINT, NaSygnal);
    try {
        const auto opcje = orbaklaw::emulator::CzytajOpcje(argc, argv);
        orbaklaw::emulator::Pty pty(opcje.link);
        orbaklaw::emulator::Emulator emulator(opcje, pty);
        std::printf("ready %s\n", opcje.link.c_str());
        std::fflush(stdout);
        emulator.Sluz([&] { return !koniec && getppid() == rodzic; });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orba-emu: %s\n", e.what());
        return 2;
    }
    return 0;
}

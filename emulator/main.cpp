// orba-emu: an ORBA register (or a multiplexer with four) on a pseudo-terminal.
// Prints "ready PATH" once it listens; ends on SIGTERM or SIGINT, or when
// its parent ends, and removes its link. With --detach it serves in the
// background instead, outliving whoever started it, until it is killed.
#include "emulator/Emulator.h"
#include "emulator/Komunikaty.h"
#include "emulator/Odlaczenie.h"
#include "emulator/Opcje.h"
#include "emulator/Pty.h"
#include "generated/WersjaProgramu.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Set by the signal handler; the serving loop looks at it between reads.
volatile std::sig_atomic_t koniec = 0;

void NaSygnal(int) {
    koniec = 1;
}

void Pisz(int fd, const std::string& tekst) {
    size_t wyslane = 0;
    while (wyslane < tekst.size()) {
        const ssize_t n = write(fd, tekst.data() + wyslane, tekst.size() - wyslane);
        if (n <= 0)
            return;
        wyslane += static_cast<size_t>(n);
    }
}

// Serves until a signal (or, unless `rodzic` is 0, the end of the parent).
// The ready line or the error goes to `wyjscie`, which is closed when it is
// a channel of its own.
int Sluz(const orbaklaw::emulator::Opcje& opcje, int wyjscie, pid_t rodzic) {
    std::signal(SIGTERM, NaSygnal);
    std::signal(SIGINT, NaSygnal);
    std::signal(SIGHUP, rodzic == 0 ? SIG_IGN : SIG_DFL);
    try {
        orbaklaw::emulator::Pty pty(opcje.link);
        orbaklaw::emulator::Emulator emulator(opcje, pty);
        Pisz(wyjscie, "ready " + opcje.link + "\n");
        if (wyjscie != STDOUT_FILENO) {
            close(wyjscie);
            orbaklaw::emulator::OdlaczStrumienie();
        }
        emulator.Sluz([&] { return !koniec && (rodzic == 0 || getppid() == rodzic); });
    } catch (const std::exception& e) {
        Pisz(wyjscie == STDOUT_FILENO ? STDERR_FILENO : wyjscie,
             "orba-emu: " + orbaklaw::emulator::TekstWyjatku(e) + "\n");
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const pid_t rodzic = getppid();
    orbaklaw::emulator::Opcje opcje;
    try {
        opcje = orbaklaw::emulator::CzytajOpcje(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orba-emu: %s\n", e.what());
        return 2;
    }
    if (opcje.pomoc) {
        std::fputs(orbaklaw::emulator::OpisOpcji(), stdout);
        return 0;
    }
    if (opcje.pokazWersje) {
        std::printf("orba-emu %s\n", orbaklaw::WersjaProgramu);
        return 0;
    }
    if (opcje.odlacz)
        return orbaklaw::emulator::UruchomWTle([&](int kanal) { return Sluz(opcje, kanal, 0); });
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != rodzic)
        return 0;
    std::fflush(stdout);
    return Sluz(opcje, STDOUT_FILENO, rodzic);
}

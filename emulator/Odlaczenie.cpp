#include "emulator/Odlaczenie.h"

#include "emulator/Komunikaty.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace orbaklaw::emulator {

namespace {

// All that the background process wrote before closing its end.
std::string CzytajDoKonca(int fd) {
    std::string tekst;
    char bufor[512];
    for (;;) {
        const ssize_t n = read(fd, bufor, sizeof bufor);
        if (n > 0)
            tekst.append(bufor, static_cast<size_t>(n));
        else if (n == 0 || tekst.size() > 4096)
            break;
    }
    return tekst;
}

} // namespace

void OdlaczStrumienie() {
    const int nic = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nic < 0)
        return;
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        dup2(nic, fd);
    close(nic);
}

int UruchomWTle(const std::function<int(int kanalGotowosci)>& sluz) {
    int kanal[2];
    if (pipe2(kanal, O_CLOEXEC) != 0) {
        std::fprintf(stderr, "orba-emu: nie można utworzyć potoku: %s\n",
                     PowodSystemu(errno).c_str());
        return 2;
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        std::fprintf(stderr, "orba-emu: nie można uruchomić procesu w tle: %s\n",
                     PowodSystemu(errno).c_str());
        return 2;
    }
    if (pid == 0) {
        close(kanal[0]);
        setsid(); // no terminal: a closed one sends it no hang-up
        _exit(sluz(kanal[1]));
    }
    close(kanal[1]);
    const std::string tekst = CzytajDoKonca(kanal[0]);
    close(kanal[0]);
    if (tekst.rfind("ready ", 0) == 0) {
        std::printf("%spid %d\n", tekst.c_str(), static_cast<int>(pid));
        return 0;
    }
    std::fputs(tekst.empty() ? "orba-emu: proces w tle zakończył się, zanim był gotowy\n"
                             : tekst.c_str(),
               stderr);
    waitpid(pid, nullptr, 0);
    return 2;
}

} // namespace orbaklaw::emulator

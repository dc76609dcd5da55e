#include "emulator/ProcesEmulatora.h"

#include <chrono>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orbaklaw::emulator {

namespace {

bool CzekajNaKoniec(pid_t pid, int czekajMs) {
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(czekajMs);
    while (std::chrono::steady_clock::now() < koniec) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// Reads the first line from `fd` within the time limit.
std::string PierwszaLinia(int fd, int czekajMs) {
    std::string linia;
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::milliseconds(czekajMs);
    while (std::chrono::steady_clock::now() < koniec) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0)
            continue;
        char c = 0;
        if (read(fd, &c, 1) != 1)
            break;
        if (c == '\n')
            return linia;
        linia += c;
    }
    return {};
}

} // namespace

ProcesEmulatora::ProcesEmulatora(const std::string& program, const std::string& link,
                                 const std::vector<std::string>& argumenty, int czekajMs) {
    int rura[2];
    if (pipe(rura) != 0)
        throw std::runtime_error("pipe");
    std::vector<std::string> slowa{program, "--link", link};
    slowa.insert(slowa.end(), argumenty.begin(), argumenty.end());
    std::vector<char*> argv;
    for (auto& s : slowa)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(rura[1], STDOUT_FILENO);
        close(rura[0]);
        close(rura[1]);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(rura[1]);
    wyjscie_ = rura[0];
    if (pid_ < 0 || PierwszaLinia(wyjscie_, czekajMs) != "ready " + link) {
        Zabij();
        throw std::runtime_error("orba-emu did not start: " + program);
    }
}

ProcesEmulatora::~ProcesEmulatora() {
    if (!Zatrzymaj())
        Zabij();
    if (wyjscie_ >= 0)
        close(wyjscie_);
}

void ProcesEmulatora::Zabij() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

bool ProcesEmulatora::Zatrzymaj(int czekajMs) {
    if (pid_ <= 0)
        return true;
    kill(pid_, SIGTERM);
    if (!CzekajNaKoniec(pid_, czekajMs))
        return false;
    pid_ = -1;
    return true;
}

} // namespace orbaklaw::emulator

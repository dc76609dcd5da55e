#include "cli/PostepWTerminalu.h"

#include "platform/Terminal.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>

namespace orbaklaw::cli {

namespace {

constexpr int SzerokoscPaska = 20;

void Pisz(int fd, const std::string& tekst) {
    for (size_t zapisane = 0; zapisane < tekst.size();) {
        const long long n =
            platform::ZapiszCzesc(fd, tekst.data() + zapisane, tekst.size() - zapisane);
        if (n <= 0)
            return; // a progress line is never worth failing for
        zapisane += static_cast<size_t>(n);
    }
}

} // namespace

std::string LiniaPostepu(const std::string& opis, bool znany, uint64_t zrobione,
                         uint64_t oczekiwane, double sekundy, unsigned krok) {
    char czas[32];
    std::snprintf(czas, sizeof czas, "%.1f s", sekundy);
    if (!znany || oczekiwane == 0) {
        static const char kreski[] = {'|', '/', '-', '\\'};
        return opis + " " + kreski[krok % 4] + " " + czas;
    }
    if (zrobione > oczekiwane)
        zrobione = oczekiwane;
    const auto procent = static_cast<int>(zrobione * 100 / oczekiwane);
    const auto pelne = static_cast<int>(zrobione * SzerokoscPaska / oczekiwane);
    return opis + " [" + std::string(static_cast<size_t>(pelne), '#') +
           std::string(static_cast<size_t>(SzerokoscPaska - pelne), '.') + "] " +
           std::to_string(procent) + "% " + std::to_string(zrobione) + "/" +
           std::to_string(oczekiwane) + " B, " + czas;
}

uint8_t ZPostepem(const std::string& opis, const std::function<uint8_t()>& wymiana,
                  const StanWymiany& stan, int fd) {
    if (!platform::JestTerminalem(fd))
        return wymiana();
    std::mutex m;
    std::condition_variable koniec;
    bool gotowe = false;
    uint8_t wynik = 0;
    std::exception_ptr wyjatek;
    std::thread watek([&] {
        try {
            wynik = wymiana();
        } catch (...) {
            wyjatek = std::current_exception();
        }
        std::lock_guard l(m);
        gotowe = true;
        koniec.notify_one();
    });
    const auto start = std::chrono::steady_clock::now();
    {
        std::unique_lock l(m);
        for (unsigned krok = 0; !gotowe; ++krok) {
            uint64_t zrobione = 0;
            uint64_t oczekiwane = 0;
            const bool znany = stan && stan(zrobione, oczekiwane);
            const std::chrono::duration<double> czas = std::chrono::steady_clock::now() - start;
            Pisz(fd, "\r" + LiniaPostepu(opis, znany, zrobione, oczekiwane, czas.count(), krok) +
                         "\x1b[K");
            koniec.wait_for(l, std::chrono::milliseconds(100), [&] { return gotowe; });
        }
    }
    watek.join();
    Pisz(fd, "\r\x1b[K");
    if (wyjatek)
        std::rethrow_exception(wyjatek);
    return wynik;
}

} // namespace orbaklaw::cli

#include "files/PlikTymczasowy.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

constexpr size_t NajdluzszaNazwa = 255;
constexpr char KoncowkaTymczasowego[] = ".zapis-tmp";
// ".PID-RANDOM": a process number of up to 10 digits, 8 hex digits.
constexpr size_t MiejsceNaZnacznik = 1 + 10 + 1 + 8;
constexpr int NajwiecejProb = 100;

uint32_t Skrot(const std::string& tekst) {
    uint32_t h = 2166136261u; // FNV-1a
    for (char z : tekst)
        h = (h ^ static_cast<unsigned char>(z)) * 16777619u;
    return h;
}

std::string Znacznik() {
    char znacznik[MiejsceNaZnacznik + 1];
    std::snprintf(znacznik, sizeof znacznik, ".%d-%08x", static_cast<int>(::getpid()),
                  static_cast<unsigned>(std::random_device{}()));
    return znacznik;
}

// Whether the open file `fd` is still the one named `sciezka`.
bool TenSamPlik(int fd, const fs::path& sciezka) {
    struct stat otwarty {};
    struct stat nazwany {};
    return ::fstat(fd, &otwarty) == 0 && ::lstat(sciezka.c_str(), &nazwany) == 0 &&
           otwarty.st_dev == nazwany.st_dev && otwarty.st_ino == nazwany.st_ino;
}

bool Zablokuj(int fd, int tryb) {
    int wynik;
    do {
        wynik = ::flock(fd, tryb);
    } while (wynik != 0 && errno == EINTR);
    return wynik == 0;
}

// A leftover goes only when it is a regular file that no writer holds.
void UsunJesliPorzucony(const fs::path& sciezka) {
    const int fd =
        ::open(sciezka.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && Zablokuj(fd, LOCK_EX | LOCK_NB) &&
        TenSamPlik(fd, sciezka))
        ::unlink(sciezka.c_str());
    ::close(fd);
}

} // namespace

fs::path PlikTymczasowyZapisu(const fs::path& cel) {
    const std::string nazwa = cel.filename().string();
    std::string tymczasowa = "." + nazwa + KoncowkaTymczasowego;
    if (tymczasowa.size() + MiejsceNaZnacznik > NajdluzszaNazwa) {
        // A long name is shortened; the digest keeps names of one prefix apart.
        char skrot[16];
        std::snprintf(skrot, sizeof skrot, "~%08x", static_cast<unsigned>(Skrot(nazwa)));
        const size_t zostaje =
            NajdluzszaNazwa - MiejsceNaZnacznik - 1 - 9 - (sizeof KoncowkaTymczasowego - 1);
        tymczasowa = "." + nazwa.substr(0, zostaje) + skrot + KoncowkaTymczasowego;
    }
    return cel.parent_path() / tymczasowa;
}

PlikTymczasowy UtworzPlikTymczasowy(const fs::path& cel, mode_t prawa) {
    const std::string poczatek = PlikTymczasowyZapisu(cel).string();
    for (int proba = 0; proba < NajwiecejProb; ++proba) {
        PlikTymczasowy plik{-1, poczatek + Znacznik()};
        plik.fd = ::open(plik.sciezka.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                         prawa);
        if (plik.fd < 0 && errno == EEXIST)
            continue;
        if (plik.fd < 0)
            return plik;
        // A file system without locks still gets its save; its leftovers stay.
        const bool zablokowany = Zablokuj(plik.fd, LOCK_EX);
        // A cleaner may have taken the file in the moment before the lock.
        if (!zablokowany || TenSamPlik(plik.fd, plik.sciezka))
            return plik;
        ::close(plik.fd);
    }
    errno = EEXIST;
    return {};
}

void UsunPorzuconePliki(const fs::path& cel) {
    const fs::path poczatek = PlikTymczasowyZapisu(cel);
    const std::string nazwa = poczatek.filename().string();
    std::error_code ec;
    const fs::path folder = poczatek.parent_path().empty() ? fs::path(".") : poczatek.parent_path();
    for (fs::directory_iterator it(folder, ec), koniec; !ec && it != koniec; it.increment(ec)) {
        const std::string inna = it->path().filename().string();
        if (inna == nazwa ||
            (inna.size() > nazwa.size() && inna.compare(0, nazwa.size(), nazwa) == 0 &&
             inna[nazwa.size()] == '.'))
            UsunJesliPorzucony(poczatek.parent_path() / inna);
    }
}

} // namespace orbaklaw

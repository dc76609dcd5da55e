#include "files/OtwarciePliku.h"

#include "files/BladSystemu.h"
#include "files/PlikOdrzucony.h"
#include "files/PlikTekstowy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw {

int OtworzDoOdczytu(const std::filesystem::path& plik, uintmax_t najwiecejBajtow) {
    const int fd = ::open(plik.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw BladWejsciaWyjscia(plik, OpisBleduSystemu(errno));
    struct stat st {};
    std::string powod;
    if (::fstat(fd, &st) != 0)
        powod = OpisBleduSystemu(errno);
    else if (S_ISDIR(st.st_mode))
        powod = OpisBleduSystemu(EISDIR);
    else if (!S_ISREG(st.st_mode))
        powod = OpisNieZwyklegoPliku();
    else if (static_cast<uintmax_t>(st.st_size) > najwiecejBajtow) {
        ::close(fd);
        throw PlikOdrzucony(plik);
    }
    // A regular file is read the ordinary way from here on.
    if (powod.empty() && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        powod = OpisBleduSystemu(errno);
    if (!powod.empty()) {
        ::close(fd);
        throw BladWejsciaWyjscia(plik, powod);
    }
    return fd;
}

ssize_t CzytajCzesc(int fd, char* bufor, size_t ile) {
    ssize_t n;
    do {
        n = ::read(fd, bufor, ile);
    } while (n < 0 && errno == EINTR);
    return n;
}

std::string CzytajCalyPlik(const std::filesystem::path& plik, uintmax_t najwiecejBajtow) {
    const int fd = OtworzDoOdczytu(plik, najwiecejBajtow);
    std::string dane;
    char bufor[65536];
    int blad = 0;
    bool zaDuzy = false;
    for (;;) {
        const ssize_t n = CzytajCzesc(fd, bufor, sizeof bufor);
        if (n < 0)
            blad = errno;
        if (n <= 0)
            break;
        if (dane.size() + static_cast<size_t>(n) > najwiecejBajtow) {
            zaDuzy = true;
            break;
        }
        dane.append(bufor, static_cast<size_t>(n));
    }
    ::close(fd);
    if (zaDuzy)
        throw PlikOdrzucony(plik);
    if (blad != 0)
        throw BladWejsciaWyjscia(plik, OpisBleduSystemu(blad));
    return dane;
}

} // namespace orbaklaw

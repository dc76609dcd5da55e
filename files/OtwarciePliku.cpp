#include "files/OtwarciePliku.h"

#include "files/BladSystemu.h"
#include "files/PlikOdrzucony.h"
#include "files/PlikTekstowy.h"

#include "platform/OdczytPliku.h"

#include <cerrno>

namespace orbaklaw {

int OtworzDoOdczytu(const std::filesystem::path& plik, uintmax_t najwiecejBajtow) {
    const int fd = platform::OtworzDoCzytania(plik);
    if (fd < 0)
        throw BladWejsciaWyjscia(plik, OpisBleduSystemu(errno));
    auto rodzaj = platform::RodzajPliku::Inny;
    uintmax_t rozmiar = 0;
    std::string powod;
    if (!platform::RodzajIRozmiar(fd, rodzaj, rozmiar))
        powod = OpisBleduSystemu(errno);
    else if (rodzaj == platform::RodzajPliku::Katalog)
        powod = OpisBleduSystemu(EISDIR);
    else if (rodzaj != platform::RodzajPliku::Zwykly)
        powod = OpisNieZwyklegoPliku();
    else if (rozmiar > najwiecejBajtow) {
        platform::ZamknijPlik(fd);
        throw PlikOdrzucony(plik);
    }
    // A regular file is read the ordinary way from here on.
    if (powod.empty() && !platform::CzytajZCzekaniem(fd))
        powod = OpisBleduSystemu(errno);
    if (!powod.empty()) {
        platform::ZamknijPlik(fd);
        throw BladWejsciaWyjscia(plik, powod);
    }
    return fd;
}

ssize_t CzytajCzesc(int fd, char* bufor, size_t ile) {
    return static_cast<ssize_t>(platform::CzytajCzescPliku(fd, bufor, ile));
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
    platform::ZamknijPlik(fd);
    if (zaDuzy)
        throw PlikOdrzucony(plik);
    if (blad != 0)
        throw BladWejsciaWyjscia(plik, OpisBleduSystemu(blad));
    return dane;
}

} // namespace orbaklaw

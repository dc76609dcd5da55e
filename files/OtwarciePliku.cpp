#include "files/OtwarciePliku.h"

#include "files/BladSystemu.h"

#include "platform/OdczytPliku.h"

#include <algorithm>
#include <cerrno>

namespace orbaklaw {

WynikPliku<int> OtworzDoOdczytu(const std::filesystem::path& plik, uintmax_t najwiecejBajtow) {
    const int fd = platform::OtworzDoCzytania(plik);
    if (fd < 0)
        return BladWejsciaWyjscia(plik, OpisBleduSystemu(errno));
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
        return BladWejsciaWyjscia::PlikOdrzucony(plik);
    }
    // A regular file stays without waiting: one that would wait for data
    // (the kernel's log) says so instead of stalling the reader.
    if (!powod.empty()) {
        platform::ZamknijPlik(fd);
        return BladWejsciaWyjscia(plik, powod);
    }
    return fd;
}

ssize_t CzytajCzesc(int fd, char* bufor, size_t ile) {
    return static_cast<ssize_t>(platform::CzytajCzescPliku(fd, bufor, ile));
}

ssize_t CzytajCzescWejscia(int fd, char* bufor, size_t ile,
                           std::chrono::steady_clock::time_point termin) {
    using Zegar = std::chrono::steady_clock;
    const auto koniecCzekania = std::min(termin, Zegar::now() + NajdluzszeCzekanieNaDane);
    for (;;) {
        if (Zegar::now() > termin) {
            errno = ETIMEDOUT;
            return -1;
        }
        const ssize_t n = CzytajCzesc(fd, bufor, ile);
        if (n >= 0 || errno != EAGAIN)
            return n;
        const auto zostalo =
            std::chrono::duration_cast<std::chrono::milliseconds>(koniecCzekania - Zegar::now());
        if (zostalo.count() <= 0) {
            errno = EAGAIN;
            return -1;
        }
        platform::CzekajNaDane(fd, static_cast<int>(zostalo.count()) + 1);
    }
}

BladWejsciaWyjscia BladOdczytu(const std::filesystem::path& plik, int numer) {
    if (numer == EAGAIN)
        return BladWejsciaWyjscia(plik, OpisCzekaniaNaDane());
    if (numer == ETIMEDOUT)
        return BladWejsciaWyjscia(plik, OpisZaDlugiegoOdczytu());
    return BladWejsciaWyjscia(plik, OpisBleduSystemu(numer));
}

WynikPliku<std::string> CzytajCalyPlik(const std::filesystem::path& plik,
                                       uintmax_t najwiecejBajtow) {
    const auto otwarty = OtworzDoOdczytu(plik, najwiecejBajtow);
    if (!otwarty)
        return otwarty.Blad();
    const int fd = *otwarty;
    const auto termin = std::chrono::steady_clock::now() + NajdluzszyOdczyt;
    std::string dane;
    char bufor[65536];
    int blad = 0;
    bool zaDuzy = false;
    for (;;) {
        const ssize_t n = CzytajCzescWejscia(fd, bufor, sizeof bufor, termin);
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
        return BladWejsciaWyjscia::PlikOdrzucony(plik);
    if (blad != 0)
        return BladOdczytu(plik, blad);
    return dane;
}

} // namespace orbaklaw

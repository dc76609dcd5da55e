#include "platform/OdczytPliku.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::platform {

int OtworzDoCzytania(const std::filesystem::path& plik) {
    return ::open(plik.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

bool RodzajIRozmiar(int plik, RodzajPliku& rodzaj, uintmax_t& rozmiar) {
    struct stat st {};
    if (::fstat(plik, &st) != 0)
        return false;
    rodzaj = S_ISREG(st.st_mode)   ? RodzajPliku::Zwykly
             : S_ISDIR(st.st_mode) ? RodzajPliku::Katalog
                                   : RodzajPliku::Inny;
    rozmiar = static_cast<uintmax_t>(st.st_size);
    return true;
}

bool CzytajZCzekaniem(int plik) {
    return ::fcntl(plik, F_SETFL, ::fcntl(plik, F_GETFL) & ~O_NONBLOCK) == 0;
}

long long CzytajCzescPliku(int plik, char* bufor, size_t ile) {
    ssize_t n;
    do {
        n = ::read(plik, bufor, ile);
    } while (n < 0 && errno == EINTR);
    return n;
}

void CzekajNaDane(int plik, int czasMs) {
    pollfd czekanie{plik, POLLIN, 0};
    ::poll(&czekanie, 1, czasMs);
}

void ZamknijPlik(int plik) {
    if (plik >= 0)
        ::close(plik);
}

} // namespace orbaklaw::platform

#include "platform/PrzepisanieWMiejscu.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::platform {

int ZarezerwujMiejsce(int plik, int64_t rozmiar) {
    if (rozmiar <= 0)
        return 0;
    int wynik;
    do {
        wynik = ::fallocate(plik, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(rozmiar));
    } while (wynik != 0 && errno == EINTR);
    if (wynik == 0 || errno == EOPNOTSUPP || errno == ENOSYS)
        return 0;
    return errno;
}

int SkopiujCzesc(int zrodlo, int cel, int64_t od, int64_t ile) {
    char bufor[65536];
    while (ile > 0) {
        const size_t czesc = static_cast<size_t>(std::min<int64_t>(ile, sizeof bufor));
        ssize_t n;
        do {
            n = ::pread(zrodlo, bufor, czesc, static_cast<off_t>(od));
        } while (n < 0 && errno == EINTR);
        if (n <= 0)
            return n < 0 ? errno : EIO;
        for (ssize_t zapisane = 0; zapisane < n;) {
            const ssize_t m = ::pwrite(cel, bufor + zapisane, static_cast<size_t>(n - zapisane),
                                       static_cast<off_t>(od + zapisane));
            if (m < 0 && errno == EINTR)
                continue;
            if (m <= 0)
                return m < 0 ? errno : EIO;
            zapisane += m;
        }
        od += n;
        ile -= n;
    }
    return 0;
}

int UstawDlugosc(int plik, int64_t rozmiar) {
    return ::ftruncate(plik, static_cast<off_t>(rozmiar)) == 0 ? 0 : errno;
}

int ZamknijPoZapisie(int plik) {
    return ::close(plik) == 0 ? 0 : errno;
}

int64_t DlugoscPliku(int plik) {
    struct stat st {};
    if (::fstat(plik, &st) != 0)
        return -1;
    return st.st_size;
}

} // namespace orbaklaw::platform

#include "platform/PrzepisanieWMiejscu.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <io.h>
#include <sys/stat.h>

namespace orbaklaw::platform {

int ZarezerwujMiejsce(int, int64_t) {
    return 0; // the writing itself finds a full disk
}

int SkopiujCzesc(int zrodlo, int cel, int64_t od, int64_t ile) {
    char bufor[65536];
    if (::_lseeki64(zrodlo, od, SEEK_SET) < 0 || ::_lseeki64(cel, od, SEEK_SET) < 0)
        return errno;
    while (ile > 0) {
        const auto czesc = static_cast<unsigned>(std::min<int64_t>(ile, sizeof bufor));
        const int n = ::_read(zrodlo, bufor, czesc);
        if (n <= 0)
            return n < 0 ? errno : EIO;
        for (int zapisane = 0; zapisane < n;) {
            const int m = ::_write(cel, bufor + zapisane, static_cast<unsigned>(n - zapisane));
            if (m <= 0)
                return m < 0 ? errno : EIO;
            zapisane += m;
        }
        ile -= n;
    }
    return 0;
}

int UstawDlugosc(int plik, int64_t rozmiar) {
    return ::_chsize_s(plik, rozmiar);
}

int ZamknijPoZapisie(int plik) {
    return ::_close(plik) == 0 ? 0 : errno;
}

int64_t DlugoscPliku(int plik) {
    struct _stat64 st {};
    if (::_fstat64(plik, &st) != 0)
        return -1;
    return st.st_size;
}

} // namespace orbaklaw::platform

#include "platform/BlokadaPliku.h"

#include "platform/KodowanieSciezek.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace orbaklaw::platform {

int OtworzPlikBlokady(const char* sciezka) {
    const std::filesystem::path plik = SciezkaZBajtow(sciezka);
    return ::_wopen(plik.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

bool ZablokujWylacznie(int plik) {
    const auto uchwyt = reinterpret_cast<HANDLE>(::_get_osfhandle(plik));
    if (uchwyt == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED od{};
    return ::LockFileEx(uchwyt, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                        &od) != 0;
}

bool ZablokujCzekajac(int plik) {
    const auto uchwyt = reinterpret_cast<HANDLE>(::_get_osfhandle(plik));
    if (uchwyt == INVALID_HANDLE_VALUE)
        return false;
    OVERLAPPED od{};
    return ::LockFileEx(uchwyt, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &od) != 0;
}

void ZamknijPlikBlokady(int plik) {
    if (plik >= 0)
        ::_close(plik);
}

} // namespace orbaklaw::platform

#include "platform/OdczytPliku.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace orbaklaw::platform {

int OtworzDoCzytania(const std::filesystem::path& plik) {
    // Bytes as they are: no text mode, no CR LF turned into LF.
    const int f = ::_wopen(plik.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (f < 0 && errno == EACCES) {
        // Windows refuses to open a folder as a file: say what it is.
        std::error_code ec;
        if (std::filesystem::is_directory(plik, ec))
            errno = EISDIR;
    }
    return f;
}

bool RodzajIRozmiar(int plik, RodzajPliku& rodzaj, uintmax_t& rozmiar) {
    struct _stat64 st {};
    if (::_fstat64(plik, &st) != 0)
        return false;
    rodzaj = (st.st_mode & _S_IFMT) == _S_IFREG   ? RodzajPliku::Zwykly
             : (st.st_mode & _S_IFMT) == _S_IFDIR ? RodzajPliku::Katalog
                                                  : RodzajPliku::Inny;
    rozmiar = static_cast<uintmax_t>(st.st_size);
    return true;
}

bool CzytajZCzekaniem(int) {
    return true; // a file opened here always waits for its data
}

long long CzytajCzescPliku(int plik, char* bufor, size_t ile) {
    return ::_read(plik, bufor, static_cast<unsigned>(ile > INT_MAX ? INT_MAX : ile));
}

void CzekajNaDane(int, int czasMs) {
    // Files here don't answer "would wait": a short pause is enough.
    ::Sleep(static_cast<DWORD>(czasMs < 10 ? (czasMs < 0 ? 0 : czasMs) : 10));
}

void ZamknijPlik(int plik) {
    if (plik >= 0)
        ::_close(plik);
}

} // namespace orbaklaw::platform

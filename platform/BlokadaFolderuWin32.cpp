#include "platform/BlokadaFolderu.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

namespace {

constexpr int NajdluzszeCzekanieMs = 10000;
constexpr int PrzerwaMs = 20;

// The folder opened for removal, shared with no one else who would remove
// it: a second such opening fails while the first handle lives.
HANDLE OtworzWylacznie(const std::filesystem::path& folder) {
    return ::CreateFileW(folder.c_str(), DELETE | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

} // namespace

int ZajmijFolder(const std::filesystem::path& folder, bool czekaj) {
    HANDLE uchwyt = OtworzWylacznie(folder);
    for (int czas = 0; uchwyt == INVALID_HANDLE_VALUE && czekaj &&
                       ::GetLastError() == ERROR_SHARING_VIOLATION && czas < NajdluzszeCzekanieMs;
         czas += PrzerwaMs) {
        ::Sleep(PrzerwaMs);
        uchwyt = OtworzWylacznie(folder);
    }
    if (uchwyt == INVALID_HANDLE_VALUE) {
        errno = ::GetLastError() == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : ENOENT;
        return -1;
    }
    const int f = ::_open_osfhandle(reinterpret_cast<intptr_t>(uchwyt), _O_RDONLY);
    if (f < 0) {
        ::CloseHandle(uchwyt);
        errno = EMFILE;
    }
    return f;
}

void UsunZajetyFolder(const std::filesystem::path& folder, int blokada) {
    // The folder's own removal needs the holder's handle gone first.
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), koniec; !ec && it != koniec;
         it.increment(ec)) {
        std::error_code e;
        std::filesystem::remove_all(it->path(), e);
    }
    ZwolnijFolder(blokada);
    std::filesystem::remove(folder, ec);
}

void ZwolnijFolder(int blokada) {
    if (blokada >= 0)
        ::_close(blokada);
}

} // namespace orbaklaw::platform

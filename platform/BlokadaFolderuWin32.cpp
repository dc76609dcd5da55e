#include "platform/BlokadaFolderu.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

namespace {

constexpr int NajdluzszeCzekanieMs = 10000;
constexpr int PrzerwaMs = 20;
// A folder can't be held by a handle of its own without keeping others
// (the current folder of a process, say) from opening it: a file in it,
// opened for one client alone, holds it instead, and goes with its handle
// (however the process ends), so nothing of it stays among the user's files.
constexpr wchar_t PlikBlokady[] = L".blokada";

HANDLE OtworzWylacznie(const std::filesystem::path& folder) {
    return ::CreateFileW(
        (folder / PlikBlokady).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
        OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
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
    const int f = ::_open_osfhandle(reinterpret_cast<intptr_t>(uchwyt), _O_RDWR);
    if (f < 0) {
        ::CloseHandle(uchwyt);
        errno = EMFILE;
    }
    return f;
}

void UsunZajetyFolder(const std::filesystem::path& folder, int blokada) {
    // The file that holds the folder can go only once it is closed.
    ZwolnijFolder(blokada);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

void ZwolnijFolder(int blokada) {
    if (blokada >= 0)
        ::_close(blokada);
}

} // namespace orbaklaw::platform

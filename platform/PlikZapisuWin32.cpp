#include "platform/PlikZapisu.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

namespace {

void UstawErrno(DWORD blad) {
    switch (blad) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        errno = EEXIST;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        errno = EACCES;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    default:
        errno = EIO;
    }
}

// Every file of a save is shared for removal and renaming: the save renames
// its temporary file while holding it, and removes a leftover it holds.
int Otworz(const std::filesystem::path& plik, DWORD dostep, DWORD jak, int tryb) {
    HANDLE uchwyt =
        ::CreateFileW(plik.c_str(), dostep, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, jak, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (uchwyt == INVALID_HANDLE_VALUE) {
        UstawErrno(::GetLastError());
        return -1;
    }
    const int f = ::_open_osfhandle(reinterpret_cast<intptr_t>(uchwyt), tryb);
    if (f < 0) {
        ::CloseHandle(uchwyt);
        errno = EMFILE;
    }
    return f;
}

} // namespace

int UtworzPlikZapisu(const std::filesystem::path& plik, unsigned) {
    return Otworz(plik, GENERIC_WRITE, CREATE_NEW, _O_WRONLY);
}

int OtworzDoZapisu(const std::filesystem::path& plik, bool) {
    return Otworz(plik, GENERIC_WRITE, OPEN_EXISTING, _O_WRONLY);
}

int OtworzDoPrzepisania(const std::filesystem::path& plik) {
    return Otworz(plik, GENERIC_READ, OPEN_EXISTING, _O_RDONLY);
}

} // namespace orbaklaw::platform

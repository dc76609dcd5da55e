#include "platform/TozsamoscPliku.h"

#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

namespace {

// The volume's serial number and the file's index on it: a file's identity
// (Windows has no inode numbers in stat).
std::optional<BY_HANDLE_FILE_INFORMATION> Informacja(const std::filesystem::path& sciezka,
                                                     DWORD flagi = 0) {
    // Only the attributes are read; a folder needs backup semantics to open.
    HANDLE uchwyt = ::CreateFileW(sciezka.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flagi, nullptr);
    if (uchwyt == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION informacja{};
    const bool jest = ::GetFileInformationByHandle(uchwyt, &informacja) != 0;
    ::CloseHandle(uchwyt);
    if (!jest)
        return std::nullopt;
    return informacja;
}

bool TaSamaTozsamosc(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace

std::optional<bool> TenSamPlik(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto ia = Informacja(a);
    const auto ib = Informacja(b);
    if (!ia || !ib)
        return std::nullopt;
    return TaSamaTozsamosc(*ia, *ib);
}

bool TenSamOtwartyPlik(int plik, const std::filesystem::path& sciezka) {
    const auto uchwyt = reinterpret_cast<HANDLE>(::_get_osfhandle(plik));
    BY_HANDLE_FILE_INFORMATION otwarty{};
    if (uchwyt == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(uchwyt, &otwarty))
        return false;
    const auto nazwany = Informacja(sciezka, FILE_FLAG_OPEN_REPARSE_POINT);
    return nazwany && TaSamaTozsamosc(otwarty, *nazwany);
}

} // namespace orbaklaw::platform

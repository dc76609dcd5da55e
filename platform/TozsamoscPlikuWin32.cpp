#include "platform/TozsamoscPliku.h"

#include <windows.h>

namespace orbaklaw::platform {

namespace {

// The volume's serial number and the file's index on it: a file's identity
// (Windows has no inode numbers in stat).
std::optional<BY_HANDLE_FILE_INFORMATION> Informacja(const std::filesystem::path& sciezka) {
    // Only the attributes are read; a folder needs backup semantics to open.
    HANDLE uchwyt = ::CreateFileW(sciezka.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (uchwyt == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION informacja{};
    const bool jest = ::GetFileInformationByHandle(uchwyt, &informacja) != 0;
    ::CloseHandle(uchwyt);
    if (!jest)
        return std::nullopt;
    return informacja;
}

} // namespace

std::optional<bool> TenSamPlik(const std::filesystem::path& a, const std::filesystem::path& b) {
    const auto ia = Informacja(a);
    const auto ib = Informacja(b);
    if (!ia || !ib)
        return std::nullopt;
    return ia->dwVolumeSerialNumber == ib->dwVolumeSerialNumber &&
           ia->nFileIndexHigh == ib->nFileIndexHigh && ia->nFileIndexLow == ib->nFileIndexLow;
}

} // namespace orbaklaw::platform

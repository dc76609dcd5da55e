#include "platform/TozsamoscPliku.h"

#include <sys/stat.h>

namespace orbaklaw::platform {

std::optional<bool> TenSamPlik(const std::filesystem::path& a, const std::filesystem::path& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return std::nullopt;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool TenSamOtwartyPlik(int plik, const std::filesystem::path& sciezka) {
    struct stat otwarty {};
    struct stat nazwany {};
    return ::fstat(plik, &otwarty) == 0 && ::lstat(sciezka.c_str(), &nazwany) == 0 &&
           otwarty.st_dev == nazwany.st_dev && otwarty.st_ino == nazwany.st_ino;
}

} // namespace orbaklaw::platform

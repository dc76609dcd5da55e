#include "platform/ZastapieniePliku.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace orbaklaw::platform {

bool UtrwalPlik(int plik, std::error_code& blad) {
    if (::fsync(plik) == 0)
        return true;
    blad.assign(errno, std::generic_category());
    return false;
}

bool ZastapPlik(const std::filesystem::path& nowy, const std::filesystem::path& cel,
                std::error_code& blad) {
    if (::rename(nowy.c_str(), cel.c_str()) != 0) {
        blad.assign(errno, std::generic_category());
        return false;
    }
    // The rename itself lasts once the folder holding it is synced.
    const std::filesystem::path folder = cel.parent_path();
    const int f = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (f >= 0) {
        ::fsync(f);
        ::close(f);
    }
    blad.clear();
    return true;
}

} // namespace orbaklaw::platform

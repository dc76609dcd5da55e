#include "platform/ZastapieniePliku.h"

#include <io.h>
#include <windows.h>

namespace orbaklaw::platform {

bool UtrwalPlik(int plik, std::error_code& blad) {
    const auto uchwyt = reinterpret_cast<HANDLE>(::_get_osfhandle(plik));
    if (uchwyt != INVALID_HANDLE_VALUE && ::FlushFileBuffers(uchwyt))
        return true;
    blad.assign(static_cast<int>(::GetLastError()), std::system_category());
    return false;
}

bool ZastapPlik(const std::filesystem::path& nowy, const std::filesystem::path& cel,
                std::error_code& blad) {
    if (!::MoveFileExW(nowy.c_str(), cel.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        blad.assign(static_cast<int>(::GetLastError()), std::system_category());
        return false;
    }
    blad.clear();
    return true;
}

} // namespace orbaklaw::platform

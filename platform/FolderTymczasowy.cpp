#include "platform/FolderTymczasowy.h"

#include "platform/Srodowisko.h"

#include <cerrno>
#include <stdlib.h>

namespace orbaklaw::platform {

std::filesystem::path FolderPlikowTymczasowych() {
    const auto tmp = NiepustaZmienna("TMPDIR");
    return tmp ? std::filesystem::path(*tmp) : std::filesystem::path("/tmp");
}

std::filesystem::path UtworzFolderTymczasowy(const std::filesystem::path& w,
                                             const std::string& przedrostek,
                                             std::error_code& blad) {
    std::string wzor = (w / (przedrostek + "XXXXXX")).native();
    if (!::mkdtemp(wzor.data())) {
        blad.assign(errno, std::generic_category());
        return {};
    }
    blad.clear();
    return wzor;
}

} // namespace orbaklaw::platform

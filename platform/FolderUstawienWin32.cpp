#include "platform/FolderUstawien.h"

#include <cstdlib>

namespace orbaklaw::platform {

// The roaming application data folder, named whatever the user's letters.
std::optional<std::filesystem::path> FolderUstawienUzytkownika() {
    const wchar_t* folder = ::_wgetenv(L"APPDATA");
    if (folder == nullptr || *folder == L'\0')
        return std::nullopt;
    return std::filesystem::path(folder);
}

} // namespace orbaklaw::platform

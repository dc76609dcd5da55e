#include "platform/FolderyUzytkownika.h"

#include "platform/KodowanieSciezek.h"

#include <cstdlib>

namespace orbaklaw::platform {

// The roaming application data folder, named whatever the user's letters.
std::optional<std::filesystem::path> FolderUstawienUzytkownika() {
    const wchar_t* folder = ::_wgetenv(L"APPDATA");
    if (folder == nullptr || *folder == L'\0')
        return std::nullopt;
    return std::filesystem::path(folder);
}

// The user's own data of this machine, as Windows programs keep it.
std::optional<std::filesystem::path> FolderDanychUzytkownika(const ZrodloZmiennych& zmienna) {
    const auto lokalne = zmienna(ZmiennaFolderuDanych());
    if (!lokalne || lokalne->empty() || !SciezkaZBajtow(*lokalne).is_absolute())
        return std::nullopt;
    return SciezkaZBajtow(*lokalne);
}

const char* ZmiennaFolderuDanych() {
    return "LOCALAPPDATA";
}

} // namespace orbaklaw::platform

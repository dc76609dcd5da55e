#include "platform/FolderyUzytkownika.h"

namespace orbaklaw::platform {

std::optional<std::filesystem::path> FolderUstawienUzytkownika() {
    return FolderUstawienXdg();
}

std::optional<std::filesystem::path> FolderDanychUzytkownika(const ZrodloZmiennych& zmienna) {
    return FolderDanychXdg(zmienna);
}

const char* ZmiennaFolderuDanych() {
    return "HOME";
}

} // namespace orbaklaw::platform

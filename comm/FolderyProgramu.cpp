#include "comm/FolderyProgramu.h"

#include "generated/Instalacja.h"
#include "platform/SciezkaProgramu.h"

namespace orbaklaw {

namespace fs = std::filesystem;

fs::path FolderProgramu() {
    return platform::SciezkaProgramu().parent_path();
}

fs::path SciezkaBiblioteki(const std::string& nazwa, const fs::path& folderProgramu) {
    // Without the program's folder a bare name leaves the search to the
    // system's library path, which never includes the current folder.
    if (folderProgramu.empty())
        return nazwa;
    const fs::path obok = folderProgramu / nazwa;
    const fs::path zainstalowana = folderProgramu / FolderBibliotekWzgledny / nazwa;
    std::error_code ec;
    if (!fs::exists(obok, ec) && fs::exists(zainstalowana, ec))
        return zainstalowana.lexically_normal();
    return obok;
}

fs::path SciezkaBiblioteki(const std::string& nazwa) {
    return SciezkaBiblioteki(nazwa, FolderProgramu());
}

fs::path FolderDanychProgramu(const fs::path& folderProgramu) {
    if (folderProgramu.empty())
        return {};
    return (folderProgramu / FolderDanychWzgledny).lexically_normal();
}

fs::path FolderDanychProgramu() {
    return FolderDanychProgramu(FolderProgramu());
}

} // namespace orbaklaw

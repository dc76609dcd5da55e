#include "platform/FolderyUzytkownika.h"

namespace orbaklaw::platform {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> Niepusta(const ZrodloZmiennych& zmienna, const std::string& nazwa) {
    auto wartosc = zmienna(nazwa);
    if (wartosc && wartosc->empty())
        return std::nullopt;
    return wartosc;
}

// $`zmiennaXdg` when it is an absolute path, else $HOME/`wDomu`.
std::optional<fs::path> FolderXdg(const ZrodloZmiennych& zmienna, const std::string& zmiennaXdg,
                                  const fs::path& wDomu) {
    if (const auto xdg = Niepusta(zmienna, zmiennaXdg); xdg && fs::path(*xdg).is_absolute())
        return fs::path(*xdg);
    if (const auto dom = Niepusta(zmienna, "HOME"))
        return fs::path(*dom) / wDomu;
    return std::nullopt;
}

} // namespace

std::optional<fs::path> FolderUstawienXdg() {
    return FolderXdg(NiepustaZmienna, "XDG_CONFIG_HOME", ".config");
}

std::optional<fs::path> FolderDanychXdg(const ZrodloZmiennych& zmienna) {
    return FolderXdg(zmienna, "XDG_DATA_HOME", fs::path(".local") / "share");
}

} // namespace orbaklaw::platform

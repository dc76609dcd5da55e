#pragma once
// Where the user's programs keep their settings and their data on this
// system. An empty variable counts as unset throughout.

#include "platform/Srodowisko.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace orbaklaw::platform {

// An environment variable's value by its name; none when it is unset.
using ZrodloZmiennych = std::function<std::optional<std::string>(const std::string&)>;

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; on
// Windows %APPDATA%. None when the system names none.
[[nodiscard]] std::optional<std::filesystem::path> FolderUstawienUzytkownika();

// The folder of the user's data on this machine: $XDG_DATA_HOME when it is
// an absolute path, else $HOME/.local/share; on Windows %LOCALAPPDATA% (an
// absolute path, Windows-1250 bytes). None when the variables `zmienna`
// gives name none.
std::optional<std::filesystem::path>
FolderDanychUzytkownika(const ZrodloZmiennych& zmienna = NiepustaZmienna);

// The variable without which there is no data folder: HOME; on Windows
// LOCALAPPDATA.
const char* ZmiennaFolderuDanych();

// The settings folder by the XDG rule on every system, Windows too:
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
[[nodiscard]] std::optional<std::filesystem::path> FolderUstawienXdg();

// The data folder by the XDG rule: $XDG_DATA_HOME when it is an absolute
// path, else $HOME/.local/share.
[[nodiscard]] std::optional<std::filesystem::path> FolderDanychXdg(const ZrodloZmiennych& zmienna);

} // namespace orbaklaw::platform

#pragma once
// Where the user's settings of programs go on this system.

#include <filesystem>
#include <optional>

namespace orbaklaw::platform {

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; on
// Windows %APPDATA%. None when the system names none.
std::optional<std::filesystem::path> FolderUstawienUzytkownika();

} // namespace orbaklaw::platform

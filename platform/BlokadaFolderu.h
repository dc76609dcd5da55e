#pragma once
// A folder held by one client at a time, for as long as the client lives:
// the system lets it go when the holder ends, even one killed outright. A
// symbolic link under the folder's name is not followed.

#include <filesystem>

namespace orbaklaw::platform {

// Takes `folder` for this client alone: a number for ZwolnijFolder, or -1
// when another client holds it (`czekaj`: after waiting for it) or the
// folder can't be opened, with errno set.
int ZajmijFolder(const std::filesystem::path& folder, bool czekaj);
// Removes the folder held under `blokada` with all it holds (failures
// ignored) and lets it go.
void UsunZajetyFolder(const std::filesystem::path& folder, int blokada);
// Lets the folder go without removing it.
void ZwolnijFolder(int blokada);

} // namespace orbaklaw::platform

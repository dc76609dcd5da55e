#pragma once
// Whether a file is there under a name spelt exactly so, letter case and all.

#include <filesystem>

namespace orbaklaw::platform {

// True when `sciezka` names a file as it is written, its letters' case
// included. Windows finds a name in any case, so it can't tell so without
// listing the folder: false there, and the caller looks the name up itself.
bool IstniejePodDokladnaNazwa(const std::filesystem::path& sciezka);

} // namespace orbaklaw::platform

#pragma once
// A new folder of this process's own, under a fresh name, and where it goes.

#include <filesystem>
#include <string>
#include <system_error>

namespace orbaklaw::platform {

// The folder where programs put their temporary files: $TMPDIR, else /tmp;
// on Windows the one the system names (empty when it names none).
std::filesystem::path FolderPlikowTymczasowych();

// Creates `w` / (`przedrostek` + six random characters), readable by this
// user only, where no such name was; empty with `blad` set when it can't.
std::filesystem::path UtworzFolderTymczasowy(const std::filesystem::path& w,
                                             const std::string& przedrostek, std::error_code& blad);

} // namespace orbaklaw::platform

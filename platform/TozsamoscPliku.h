#pragma once
// Whether two paths name one file: the same file under two names (a link, a
// "./" or "..", another case on Windows) is one file.

#include <filesystem>
#include <optional>

namespace orbaklaw::platform {

// True when both paths name one existing file, false when they name two;
// none when either can't be looked at (not there, say).
[[nodiscard]] std::optional<bool> TenSamPlik(const std::filesystem::path& a,
                                             const std::filesystem::path& b);
// True when the open file `plik` is the one named `sciezka` itself (a
// symbolic link under the name is not followed); false when it isn't or
// either can't be looked at.
bool TenSamOtwartyPlik(int plik, const std::filesystem::path& sciezka);

} // namespace orbaklaw::platform

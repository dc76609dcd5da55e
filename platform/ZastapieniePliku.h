#pragma once
// The last steps of an atomic save: the new file's bytes made durable, then
// the file put in place of the target in one step.

#include <filesystem>
#include <system_error>

namespace orbaklaw::platform {

// Writes the open file's data through to the disk; false with `blad` set
// when the system reports a failure.
bool UtrwalPlik(int plik, std::error_code& blad);

// Puts `nowy` in place of `cel` (replacing it when there) in one step that
// a reader sees whole: the old file or the new one. The move is written
// through before the call returns.
bool ZastapPlik(const std::filesystem::path& nowy, const std::filesystem::path& cel,
                std::error_code& blad);

} // namespace orbaklaw::platform

#pragma once
// File names handed to the library: fixed string buffers and the checks on them.

#include <optional>
#include <string>

namespace orbaklaw::kasdrv {

// The name in a 256-byte buffer; none for a null pointer or a block without
// a terminator.
[[nodiscard]] std::optional<std::string> NazwaZBufora(const char* bufor);

// True when the name part (folder dropped) equals `zastrzezona` whatever its case.
bool NazwaZastrzezona(const std::string& nazwa, const char* zastrzezona);

// True when both names reach the same file (compared whatever their case).
bool TenSamPlik(const std::string& a, const std::string& b);

// The name as it exists on disk (its file name found whatever its case).
std::string PlikNaDysku(const std::string& nazwa);

} // namespace orbaklaw::kasdrv

#pragma once
// The three-line request file every register read takes: "#" + register
// number in decimal, "#", "#".

#include <filesystem>

namespace orbaklaw {

// True when the file was written whole.
[[nodiscard]] bool UtworzPlikWejsciowy(const std::filesystem::path& plik, unsigned numer);

} // namespace orbaklaw

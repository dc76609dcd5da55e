#pragma once
// The fixed string buffer the register libraries take: 256 bytes holding a
// zero-terminated byte string of at most 255 characters.

#include <array>
#include <optional>
#include <string_view>

namespace orbaklaw {

constexpr size_t RozmiarBufora = 256;
using BuforTekstu = std::array<char, RozmiarBufora>;

// Copies the bytes unchanged and zero-fills the rest of the block. A text
// longer than 255 bytes does not fit and gives none.
[[nodiscard]] std::optional<BuforTekstu> KonwNaBufor(std::string_view tekst);

} // namespace orbaklaw

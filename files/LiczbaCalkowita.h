#pragma once
// Strict decimal number fields of the exchange files.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbaklaw {

// A signed 32-bit decimal number that fills the whole text: an optional sign,
// then digits only. Anything else, or a value outside 32 bits, gives none.
std::optional<int32_t> CzytajLiczbe(std::string_view tekst);

} // namespace orbaklaw

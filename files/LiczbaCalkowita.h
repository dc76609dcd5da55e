#pragma once
// Strict decimal number fields of the exchange files.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbaklaw {

// A signed 32-bit decimal number that fills the whole text: an optional sign,
// then digits only. Anything else, or a value outside 32 bits, gives none.
[[nodiscard]] std::optional<int32_t> CzytajLiczbe(std::string_view tekst);

// A number of at most `najwiecejCyfr` decimal digits and nothing else (no
// sign, no blanks), from `od` to `do_`; anything else gives none.
[[nodiscard]] std::optional<int> CzytajCyfry(std::string_view tekst, std::size_t najwiecejCyfr,
                                             int od, int do_);

} // namespace orbaklaw

#pragma once
// Amounts are whole grosze; they are shown with a comma before the last two digits.

#include <cstdint>
#include <string>

namespace orbaklaw {

// The largest amount a key-definition file holds (its numbers are signed
// 32-bit): 21 474 836,47 zł.
inline constexpr int64_t NajwiekszaKwota = 2147483647;

// "" -> "0,00", "5" -> "0,05", "53" -> "0,53", "12345" -> "123,45".
std::string FormatujKwote(const std::string& cyfry);

} // namespace orbaklaw

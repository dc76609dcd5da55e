#pragma once
// Amounts are whole grosze; they are shown with a comma before the last two digits.

#include <string>

namespace orbaklaw {

// "" -> "0,00", "5" -> "0,05", "53" -> "0,53", "12345" -> "123,45".
std::string FormatujKwote(const std::string& cyfry);

} // namespace orbaklaw

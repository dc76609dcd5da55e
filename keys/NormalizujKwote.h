#pragma once
// Tidying the amount field when the user leaves it.

#include <optional>
#include <string>

namespace orbaklaw {

// "12" -> "12,00", "12.5" -> "12,50", "12,50" stays, "" -> ",00"; an amount
// the program showed ("1234567,89", longer than the user can type) stays as
// it is. None for a text with two separators, another character, or a
// separator not followed by one or two digits ("7.", "1,234").
std::optional<std::string> NormalizujKwote(const std::string& s);

} // namespace orbaklaw

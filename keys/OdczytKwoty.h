#pragma once
// Reading the amount field into grosze, exactly: no floating point on the way.

#include <cstdint>
#include <optional>
#include <string>

namespace orbaklaw {

// Decimal złoty with a comma as the separator: digits, at most one comma, at
// least one digit. Grosze beyond two decimals are dropped ("0,53" -> 53,
// "1,239" -> 123, "5" -> 500, ",5" -> 50). Anything else, a text too long
// for the amount field included, is no number.
std::optional<int64_t> KwotaWGroszach(const std::string& tekst);

} // namespace orbaklaw

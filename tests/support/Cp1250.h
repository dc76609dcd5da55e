#pragma once
// Test expectations are written in UTF-8; the program's texts are
// Windows-1250 bytes. Converting with the C library's iconv keeps the
// expectations independent of the program's own tables.

#include <string>
#include <string_view>

namespace orbaklaw::test {

std::string Cp1250(std::string_view utf8);

} // namespace orbaklaw::test

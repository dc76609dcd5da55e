#pragma once
// The terminal speaks UTF-8; the program's texts are Windows-1250 bytes.

#include <string>

namespace orbaklaw::cli {

// Bytes that Windows-1250 leaves undefined come out as U+FFFD.
std::string Utf8Z1250(const std::string& tekst1250);

} // namespace orbaklaw::cli

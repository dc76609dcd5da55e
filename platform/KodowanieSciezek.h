#pragma once
// Paths as the program holds them, bytes, and as the file system takes
// them. On Linux the bytes are the path. On Windows the program's names are
// Windows-1250 and the system's are UTF-16: each byte is converted as that
// code page says, never widened as it is.

#include <filesystem>
#include <string>
#include <string_view>

namespace orbaklaw::platform {

// The file-system path named by the program's bytes.
std::filesystem::path SciezkaZBajtow(std::string_view bajty);

// The program's bytes for a path; on Windows a character Windows-1250 lacks
// becomes "?".
std::string BajtySciezki(const std::filesystem::path& sciezka);

} // namespace orbaklaw::platform

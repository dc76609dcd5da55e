#pragma once
// The file of the running program.

#include <filesystem>

namespace orbaklaw::platform {

// The running program's own file; empty when the system can't tell.
std::filesystem::path SciezkaProgramu();

} // namespace orbaklaw::platform

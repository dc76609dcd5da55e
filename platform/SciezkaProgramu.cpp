#include "platform/SciezkaProgramu.h"

namespace orbaklaw::platform {

std::filesystem::path SciezkaProgramu() {
    std::error_code ec;
    auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program;
}

} // namespace orbaklaw::platform

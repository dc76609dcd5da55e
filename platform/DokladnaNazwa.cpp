#include "platform/DokladnaNazwa.h"

#include <system_error>

namespace orbaklaw::platform {

bool IstniejePodDokladnaNazwa(const std::filesystem::path& sciezka) {
    std::error_code ec;
    return std::filesystem::exists(sciezka, ec);
}

} // namespace orbaklaw::platform

#include "platform/DokladnaNazwa.h"

namespace orbaklaw::platform {

bool IstniejePodDokladnaNazwa(const std::filesystem::path&) {
    return false;
}

} // namespace orbaklaw::platform

#include "drivers/protocol/NumeryWymian.h"

#include "platform/Proces.h"

#include <chrono>
#include <random>

namespace orbaklaw::protocol {

NumeryWymian::NumeryWymian() {
    // random_device is the system's entropy; the clock and the process id
    // only guard against a random_device that is not random on some system.
    std::random_device los;
    const auto czas =
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const uint64_t ziarno = uint64_t{los()} ^ (czas * uint64_t{0x9E3779B97F4A7C15}) ^
                            static_cast<uint64_t>(platform::NumerProcesu());
    ostatni_ = static_cast<uint16_t>(ziarno ^ (ziarno >> 16) ^ (ziarno >> 32) ^ (ziarno >> 48));
}

uint16_t NumeryWymian::Nastepny() {
    return ++ostatni_;
}

} // namespace orbaklaw::protocol

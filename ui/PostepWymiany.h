#pragma once
// The progress of one register exchange as the user sees it: a modal box
// over the program while the library works. It shows from its creation
// until it is destroyed; it offers no way to stop the exchange, as a call
// into the register library can't be stopped once begun.

#include <cstdint>

namespace orbaklaw {

class PostepWymiany {
public:
    virtual ~PostepWymiany() = default;

    // Bytes done of those the exchange is expected to move; with 0
    // expected, the count is unknown and the box shows a busy bar.
    virtual void Ustaw(uint64_t zrobione, uint64_t oczekiwane) = 0;
};

} // namespace orbaklaw

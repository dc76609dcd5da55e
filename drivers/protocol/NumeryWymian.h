#pragma once
// Exchange numbers of one driver. They start at a random value in every run
// and count on, so a reply that a register sends late, after the request's
// run gave up on it, never carries the number another run is waiting for.

#include <cstdint>

namespace orbaklaw::protocol {

class NumeryWymian {
public:
    NumeryWymian();
    uint16_t Nastepny();

private:
    uint16_t ostatni_;
};

} // namespace orbaklaw::protocol

#pragma once
// A byte pipe to the register: a serial port in the drivers, a fake in tests.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbaklaw::protocol {

class Link {
public:
    virtual ~Link() = default;

    // Sends every byte within timeoutMs; false when they could not all go.
    virtual bool Write(const std::vector<uint8_t>& bytes, int timeoutMs) = 0;

    // Waits at most timeoutMs for input and returns what has arrived, up to
    // `max` bytes; nothing on timeout or a broken line.
    virtual std::vector<uint8_t> Read(size_t max, int timeoutMs) = 0;

    // Drops input that has arrived but not been read.
    virtual void DiscardInput() = 0;
};

} // namespace orbaklaw::protocol

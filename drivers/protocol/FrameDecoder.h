#pragma once
// Assembles a frame from bytes as they arrive. A byte other than STX where a
// frame must begin, or a CRC that does not match, makes the frame corrupt.

#include "drivers/protocol/Frame.h"

namespace orbaklaw::protocol {

class FrameDecoder {
public:
    enum class State { Empty, Partial, Complete, Corrupt };

    // Takes one byte; after Complete or Corrupt call Reset before feeding more.
    State Feed(uint8_t byte);
    State Current() const { return state_; }
    void Reset();

    // The frame once Complete.
    const Frame& Result() const { return frame_; }
    // The whole frame's size once its header has arrived; 0 before.
    size_t FrameSize() const;
    // Bytes taken since the frame began.
    size_t Received() const { return received_; }

private:
    State state_ = State::Empty;
    Frame frame_;
    std::vector<uint8_t> header_;
    size_t length_ = 0;
    size_t received_ = 0;
    uint16_t crc_ = 0;
    int crcBytes_ = 0;
};

} // namespace orbaklaw::protocol

#include "drivers/protocol/FrameDecoder.h"

namespace orbaklaw::protocol {

namespace {
constexpr size_t HeaderSize = 5; // address, command, sequence, length
} // namespace

void FrameDecoder::Reset() {
    *this = FrameDecoder();
}

FrameDecoder::State FrameDecoder::Feed(uint8_t byte) {
    if (state_ == State::Complete || state_ == State::Corrupt)
        return state_;
    ++received_;
    if (state_ == State::Empty) {
        state_ = byte == STX ? State::Partial : State::Corrupt;
        return state_;
    }
    if (header_.size() < HeaderSize) {
        header_.push_back(byte);
        if (header_.size() == HeaderSize) {
            frame_.address = header_[0];
            frame_.command = header_[1];
            frame_.sequence = header_[2];
            length_ = static_cast<size_t>(header_[3]) << 8 | header_[4];
            frame_.payload.reserve(length_);
        }
        return state_;
    }
    if (frame_.payload.size() < length_) {
        frame_.payload.push_back(byte);
        return state_;
    }
    crc_ = static_cast<uint16_t>(crc_ << 8 | byte);
    if (++crcBytes_ < 2)
        return state_;
    std::vector<uint8_t> covered(header_);
    covered.insert(covered.end(), frame_.payload.begin(), frame_.payload.end());
    state_ = Crc16(covered.data(), covered.size()) == crc_ ? State::Complete : State::Corrupt;
    return state_;
}

} // namespace orbaklaw::protocol

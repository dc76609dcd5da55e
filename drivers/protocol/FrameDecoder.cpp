#include "drivers/protocol/FrameDecoder.h"

namespace orbaklaw::protocol {

namespace {
constexpr size_t HeaderSize = 6; // address, command, exchange number, length
} // namespace

size_t FrameDecoder::FrameSize() const {
    return header_.size() == HeaderSize ? length_ + FrameOverhead : 0;
}

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
            frame_.sequence = static_cast<uint16_t>(header_[2] << 8 | header_[3]);
            length_ = static_cast<size_t>(header_[4]) << 8 | header_[5];
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

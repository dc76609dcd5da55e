#include "drivers/protocol/Frame.h"

namespace orbaklaw::protocol {

uint16_t Crc16(const uint8_t* data, size_t size) {
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint16_t>(data[i] << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<uint16_t>((crc << 1) ^ 0x1021)
                                 : static_cast<uint16_t>(crc << 1);
    }
    return crc;
}

std::vector<uint8_t> Encode(const Frame& frame) {
    if (!Fits(frame.payload))
        return {};
    const size_t length = frame.payload.size();
    std::vector<uint8_t> bytes;
    bytes.reserve(length + FrameOverhead);
    bytes.push_back(STX);
    bytes.push_back(frame.address);
    bytes.push_back(frame.command);
    bytes.push_back(static_cast<uint8_t>(frame.sequence >> 8));
    bytes.push_back(static_cast<uint8_t>(frame.sequence & 0xFF));
    bytes.push_back(static_cast<uint8_t>(length >> 8));
    bytes.push_back(static_cast<uint8_t>(length & 0xFF));
    bytes.insert(bytes.end(), frame.payload.begin(), frame.payload.end());
    const uint16_t crc = Crc16(bytes.data() + 1, bytes.size() - 1);
    bytes.push_back(static_cast<uint8_t>(crc >> 8));
    bytes.push_back(static_cast<uint8_t>(crc & 0xFF));
    return bytes;
}

} // namespace orbaklaw::protocol

#pragma once
// Frames of the serial protocol between the drivers and the register:
//   STX, address, command, exchange number (2 bytes, big-endian),
//   length (2 bytes, big-endian), payload, CRC-16 (2 bytes, big-endian)
// The CRC (CCITT, polynomial 0x1021, start 0xFFFF) covers address..payload.
// A reply repeats the exchange number of its request. Each driver starts its
// numbers at a random value, so a late reply to an earlier request, even one
// made by another process before this one started, is never taken for the
// answer to the current one.
// A receiver acknowledges a request frame with a single ACK or NAK byte.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orbaklaw::protocol {

constexpr uint8_t STX = 0x02;
constexpr uint8_t ACK = 0x06;
constexpr uint8_t NAK = 0x15;
constexpr size_t FrameOverhead = 9;
constexpr size_t MaxPayload = 0xFFFF;

// Address 0 reaches whatever answers on the line (identification, number
// query, the multiplexer itself).
constexpr uint8_t AnyAddress = 0;

namespace cmd {
constexpr uint8_t Identify = 0xFE;
constexpr uint8_t Number = 0xC0;
constexpr uint8_t ReadKeys = 0x10;
constexpr uint8_t WriteKeys = 0x11;
constexpr uint8_t DeleteKeys = 0x12;
constexpr uint8_t ReadGoods = 0x20;
constexpr uint8_t ReadPayments = 0x21;
constexpr uint8_t SelectChannel = 0x30;
} // namespace cmd

struct Frame {
    uint8_t address = 0;
    uint8_t command = 0;
    std::vector<uint8_t> payload;
    uint16_t sequence = 0; // the exchange number
    bool operator==(const Frame&) const = default;
};

uint16_t Crc16(const uint8_t* data, size_t size);

// The bytes of a frame. A payload over MaxPayload can't be framed: callers
// check with Fits first; Encode of such a frame gives no bytes.
std::vector<uint8_t> Encode(const Frame& frame);
inline bool Fits(const std::vector<uint8_t>& payload) {
    return payload.size() <= MaxPayload;
}

} // namespace orbaklaw::protocol

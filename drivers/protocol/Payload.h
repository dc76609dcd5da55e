#pragma once
// Payload layouts of the protocol's commands. Every multi-byte number is
// big-endian. A decoder gives none for a payload of the wrong size or shape.
//
//   key record (15 bytes): code (2), kind, number, goods number (2),
//                          flags (bit 0 single piece, bit 1 price, bit 2 receipt),
//                          amount in grosze (8, signed)
//   name list:             per name a length byte and that many CP852 bytes
//   code list:             2 bytes per key code
//   number reply:          the register's number as two ASCII decimal digits,
//                          then a byte the drivers do not read

#include "format/DefinicjaKlawisza.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbaklaw::protocol {

constexpr size_t KeyRecordSize = 15;
constexpr size_t MaxNameLength = 255;

// The code travels in KodKlawisza.
std::vector<uint8_t> EncodeKeys(const std::vector<DefinicjaKlawisza>& keys);
std::optional<std::vector<DefinicjaKlawisza>> DecodeKeys(const std::vector<uint8_t>& data);

// Names longer than 255 bytes are cut.
std::vector<uint8_t> EncodeNames(const std::vector<std::string>& names);
std::optional<std::vector<std::string>> DecodeNames(const std::vector<uint8_t>& data);

std::vector<uint8_t> EncodeCodes(const std::vector<uint16_t>& codes);
std::optional<std::vector<uint16_t>> DecodeCodes(const std::vector<uint8_t>& data);

// The number reply: the register number 0..99 as two decimal digits, then
// a zero byte. Encode takes the number's last two digits; Decode gives none
// unless the data starts with two decimal digits.
std::vector<uint8_t> EncodeNumber(int number);
[[nodiscard]] std::optional<int> DecodeNumber(const std::vector<uint8_t>& data);

} // namespace orbaklaw::protocol

#include "drivers/protocol/Payload.h"

#include <cstddef>

namespace orbaklaw::protocol {

namespace {

void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

bool Digit(uint8_t b) {
    return b >= '0' && b <= '9';
}

uint64_t Get(const uint8_t* p, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | p[i];
    return value;
}

} // namespace

std::vector<uint8_t> EncodeKeys(const std::vector<DefinicjaKlawisza>& keys) {
    std::vector<uint8_t> out;
    out.reserve(keys.size() * KeyRecordSize);
    for (const auto& k : keys) {
        Put(out, k.KodKlawisza, 2);
        out.push_back(k.Rodzaj);
        out.push_back(k.Numer);
        Put(out, k.NrTowaru, 2);
        out.push_back(
            static_cast<uint8_t>((k.Pojedynczo & 1) | (k.Zaplata & 1) << 1 | (k.Paragon & 1) << 2));
        Put(out, static_cast<uint64_t>(k.Kwota), 8);
    }
    return out;
}

std::optional<std::vector<DefinicjaKlawisza>> DecodeKeys(const std::vector<uint8_t>& data) {
    if (data.size() % KeyRecordSize != 0)
        return std::nullopt;
    std::vector<DefinicjaKlawisza> keys;
    for (size_t i = 0; i < data.size(); i += KeyRecordSize) {
        const uint8_t* p = data.data() + i;
        if (p[6] > 7)
            return std::nullopt;
        DefinicjaKlawisza k;
        k.KodKlawisza = static_cast<uint16_t>(Get(p, 2));
        k.Rodzaj = p[2];
        k.Numer = p[3];
        k.NrTowaru = static_cast<uint16_t>(Get(p + 4, 2));
        k.Pojedynczo = p[6] & 1;
        k.Zaplata = (p[6] >> 1) & 1;
        k.Paragon = (p[6] >> 2) & 1;
        k.Kwota = static_cast<int64_t>(Get(p + 7, 8));
        keys.push_back(k);
    }
    return keys;
}

std::vector<uint8_t> EncodeNames(const std::vector<std::string>& names) {
    std::vector<uint8_t> out;
    for (const auto& n : names) {
        const size_t length = n.size() > MaxNameLength ? MaxNameLength : n.size();
        out.push_back(static_cast<uint8_t>(length));
        out.insert(out.end(), n.begin(), n.begin() + static_cast<std::ptrdiff_t>(length));
    }
    return out;
}

std::optional<std::vector<std::string>> DecodeNames(const std::vector<uint8_t>& data) {
    std::vector<std::string> names;
    for (size_t i = 0; i < data.size();) {
        const size_t length = data[i++];
        if (length > data.size() - i)
            return std::nullopt;
        const auto od = data.begin() + static_cast<std::ptrdiff_t>(i);
        names.emplace_back(od, od + static_cast<std::ptrdiff_t>(length));
        i += length;
    }
    return names;
}

std::vector<uint8_t> EncodeCodes(const std::vector<uint16_t>& codes) {
    std::vector<uint8_t> out;
    for (uint16_t c : codes)
        Put(out, c, 2);
    return out;
}

std::optional<std::vector<uint16_t>> DecodeCodes(const std::vector<uint8_t>& data) {
    if (data.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint16_t> codes;
    for (size_t i = 0; i < data.size(); i += 2)
        codes.push_back(static_cast<uint16_t>(Get(data.data() + i, 2)));
    return codes;
}

std::vector<uint8_t> EncodeNumber(int number) {
    return {static_cast<uint8_t>('0' + number / 10 % 10), static_cast<uint8_t>('0' + number % 10),
            0};
}

std::optional<int> DecodeNumber(const std::vector<uint8_t>& data) {
    if (data.size() < 2 || !Digit(data[0]) || !Digit(data[1]))
        return std::nullopt;
    return (data[0] - '0') * 10 + (data[1] - '0');
}

} // namespace orbaklaw::protocol

// Fuzz target: bytes from the line through the frame decoder and, for a
// whole frame, through every payload decoder.
#include "drivers/protocol/FrameDecoder.h"
#include "drivers/protocol/Payload.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orbaklaw::protocol;
    FrameDecoder d;
    for (size_t i = 0; i < size; ++i) {
        const auto stan = d.Feed(data[i]);
        if (stan == FrameDecoder::State::Complete) {
            const auto& p = d.Result().payload;
            if (auto k = DecodeKeys(p))
                (void)EncodeKeys(*k);
            if (auto n = DecodeNames(p); n && EncodeNames(*n) != p)
                __builtin_trap(); // names must round-trip
            (void)DecodeCodes(p);
        }
        if (stan == FrameDecoder::State::Complete || stan == FrameDecoder::State::Corrupt)
            d.Reset();
    }
    return 0;
}

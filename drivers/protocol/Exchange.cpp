#include "drivers/protocol/Exchange.h"

#include "comm/KomunikatyBledow.h"
#include "drivers/protocol/FrameDecoder.h"

#include <chrono>
#include <deque>

namespace orbaklaw::protocol {

namespace {

constexpr size_t ReadChunk = 4096;
constexpr int QuietMs = 30;

// Reads bytes one at a time from the link, refilling in chunks.
class ByteSource {
public:
    ByteSource(Link& link, int timeoutMs) : link_(link), timeoutMs_(timeoutMs) {}

    bool Next(uint8_t& byte) {
        if (pending_.empty()) {
            auto chunk = link_.Read(ReadChunk, timeoutMs_);
            if (chunk.empty())
                return false;
            pending_.assign(chunk.begin(), chunk.end());
        }
        byte = pending_.front();
        pending_.pop_front();
        return true;
    }

private:
    Link& link_;
    int timeoutMs_;
    std::deque<uint8_t> pending_;
};

// Lets a broken reply run out before the request is repeated.
void WaitForQuiet(Link& link, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end && !link.Read(ReadChunk, QuietMs).empty()) {
    }
    link.DiscardInput();
}

Reply Checked(const Frame& reply, const Frame& request, const ExchangeOptions& options) {
    if (reply.command != request.command || reply.payload.empty())
        return {KodZlaOdpowiedz, reply.address, {}};
    if (options.checkAddress && reply.address != request.address)
        return {KodInnaKasa, reply.address, {}};
    if (reply.payload[0] != 0)
        return {KodZeStatusu(reply.payload[0]), reply.address, {}};
    return {0, reply.address, {reply.payload.begin() + 1, reply.payload.end()}};
}

// One attempt; `retry` tells whether repeating the request may help.
Reply Attempt(Link& link, const Frame& request, const ExchangeOptions& options, bool& retry) {
    retry = false;
    link.DiscardInput();
    const int writeTimeout =
        options.writeTimeoutMs > 0 ? options.writeTimeoutMs : options.timeoutMs;
    if (!link.Write(Encode(request), writeTimeout))
        return {KodTimeoutNadawania, 0, {}};
    ByteSource source(link, options.timeoutMs);
    uint8_t byte = 0;
    if (!source.Next(byte))
        return {KodTimeoutOdbierania, 0, {}};
    if (byte != ACK) {
        retry = true;
        return {byte == NAK ? KodNak : KodZlaOdpowiedz, 0, {}};
    }
    FrameDecoder decoder;
    while (true) {
        if (!source.Next(byte))
            return {KodTimeoutOdbierania, 0, {}};
        auto state = decoder.Feed(byte);
        if (state == FrameDecoder::State::Corrupt) {
            retry = true;
            return {KodZlaOdpowiedz, 0, {}};
        }
        if (state == FrameDecoder::State::Complete)
            return Checked(decoder.Result(), request, options);
    }
}

} // namespace

Reply Exchange(Link& link, const Frame& request, const ExchangeOptions& options) {
    Reply reply;
    for (int i = 0; i < (options.attempts < 1 ? 1 : options.attempts); ++i) {
        bool retry = false;
        reply = Attempt(link, request, options, retry);
        if (!retry)
            break;
        WaitForQuiet(link, options.timeoutMs);
    }
    return reply;
}

} // namespace orbaklaw::protocol

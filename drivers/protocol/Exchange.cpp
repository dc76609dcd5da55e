#include "drivers/protocol/Exchange.h"

#include "comm/KomunikatyBledow.h"
#include "drivers/protocol/FrameDecoder.h"

#include <chrono>
#include <deque>

namespace orbaklaw::protocol {

namespace {

constexpr size_t ReadChunk = 4096;
constexpr int QuietMs = 30;
constexpr int MaxLateReplies = 3;

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
    // The status's top bit carries nothing: 0x80 is success like 0.
    if (const uint8_t kod = KodZeStatusu(reply.payload[0]); kod != 0)
        return {kod, reply.address, {}};
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
    // A late answer to an earlier request (another sequence number) is read
    // past and the wait for the right one goes on, a few times at most, so a
    // line that keeps talking can't hold the caller.
    for (int spoznione = 0; spoznione <= MaxLateReplies; ++spoznione) {
        uint8_t byte = 0;
        if (!source.Next(byte))
            return {KodTimeoutOdbierania, 0, {}};
        if (byte != ACK) {
            retry = true;
            return {byte == NAK ? KodNak : KodZlaOdpowiedz, 0, {}};
        }
        FrameDecoder decoder;
        while (decoder.Current() != FrameDecoder::State::Complete) {
            if (!source.Next(byte))
                return {KodTimeoutOdbierania, 0, {}};
            if (decoder.Feed(byte) == FrameDecoder::State::Corrupt) {
                retry = true;
                return {KodZlaOdpowiedz, 0, {}};
            }
        }
        if (decoder.Result().sequence == request.sequence)
            return Checked(decoder.Result(), request, options);
    }
    return {KodZlaOdpowiedz, 0, {}};
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

#include "drivers/protocol/Exchange.h"

#include "drivers/protocol/FrameDecoder.h"
#include "drivers/protocol/Payload.h"
#include "format/KomunikatyBledow.h"
#include "orbaklaw/kasdrv_kody.h"

#include <algorithm>
#include <chrono>
#include <deque>

namespace orbaklaw::protocol {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t ReadChunk = 4096;
constexpr int QuietMs = 30;
constexpr int MaxLateReplies = 3;
constexpr int BitsPerByte = 10;
// Before a request the line must have been silent this long: a late reply
// still on its way is read away instead of meeting the new request.
constexpr int DrainGapMs = 3;

constexpr size_t KeyCount = 64;
constexpr size_t GoodsCount = 511;
constexpr size_t PaymentCount = 3;

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Reads bytes one at a time from the link, refilling in chunks. Each wait is
// bounded by the timeout and by the attempt's deadline. The first wait also
// gives the request the time it still needs on the line: the port takes the
// bytes at once, but the register can't answer before the last has reached
// it, and a request of a whole key set needs about a second at 9600 bit/s.
class ByteSource {
public:
    ByteSource(Link& link, int timeoutMs, Clock::time_point sent, Clock::time_point deadline,
               Postep* postep)
        : link_(link), timeoutMs_(timeoutMs), sent_(sent), deadline_(deadline), postep_(postep) {}

    bool Next(uint8_t& byte) {
        if (pending_.empty()) {
            const int onLine = taken_ == 0 ? RemainingMs(sent_) : 0;
            const int wait = std::min(timeoutMs_ + onLine, RemainingMs(deadline_));
            if (wait <= 0)
                return false;
            auto chunk = link_.Read(ReadChunk, wait);
            if (chunk.empty())
                return false;
            pending_.assign(chunk.begin(), chunk.end());
        }
        byte = pending_.front();
        pending_.pop_front();
        ++taken_;
        if (postep_)
            postep_->Zrobiono(1);
        return true;
    }
    size_t Taken() const { return taken_; }

private:
    Link& link_;
    int timeoutMs_;
    Clock::time_point sent_;
    Clock::time_point deadline_;
    Postep* postep_;
    std::deque<uint8_t> pending_;
    size_t taken_ = 0;
};

// Reads until the line has been silent for `gapMs` (at most `limitMs` in
// all), then drops whatever is left.
void Drain(Link& link, int gapMs, int limitMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(limitMs);
    while (Clock::now() < end && !link.Read(ReadChunk, gapMs).empty()) {
    }
    link.DiscardInput();
}

Reply Checked(const Frame& reply, const Frame& request, const ExchangeOptions& options) {
    if (reply.command != request.command || reply.payload.empty())
        return {KASDRV_ZLA_ODPOWIEDZ, reply.address, {}};
    if (options.checkAddress && reply.address != request.address)
        return {KASDRV_INNA_KASA, reply.address, {}};
    // The status's top bit carries nothing: 0x80 is success like 0.
    if (const uint8_t kod = KodZeStatusu(reply.payload[0]); kod != 0)
        return {kod, reply.address, {}};
    return {0, reply.address, {reply.payload.begin() + 1, reply.payload.end()}};
}

size_t Longest(const Frame& request, const ExchangeOptions& options) {
    return std::min(options.longestReply > 0 ? options.longestReply : LongestReply(request.command),
                    MaxPayload);
}

// Receives the ACK and the reply to `request`, reading past late replies to
// earlier requests.
Reply Receive(ByteSource& source, const Frame& request, const ExchangeOptions& options,
              size_t estimate, bool& retry) {
    // A late answer to an earlier request (another exchange number) is read
    // past and the wait for the right one goes on, a few times at most, so a
    // line that keeps talking can't hold the caller.
    for (int late = 0; late <= MaxLateReplies; ++late) {
        uint8_t byte = 0;
        if (!source.Next(byte))
            return {KASDRV_TIMEOUT_ODBIERANIA, 0, {}};
        if (byte != ACK) {
            retry = true;
            return {static_cast<uint8_t>(byte == NAK ? KASDRV_NAK : KASDRV_ZLA_ODPOWIEDZ), 0, {}};
        }
        FrameDecoder decoder;
        bool sized = false;
        while (decoder.Current() != FrameDecoder::State::Complete) {
            if (!source.Next(byte))
                return {KASDRV_TIMEOUT_ODBIERANIA, 0, {}};
            if (decoder.Feed(byte) == FrameDecoder::State::Corrupt) {
                retry = true;
                return {KASDRV_ZLA_ODPOWIEDZ, 0, {}};
            }
            if (!sized && decoder.FrameSize() > 0) {
                sized = true;
                // Now the reply's real size is known: the estimate gives way to it.
                if (options.postep && decoder.Result().sequence == request.sequence)
                    options.postep->Oczekuj(static_cast<int64_t>(decoder.FrameSize()) -
                                            static_cast<int64_t>(estimate));
            }
        }
        if (decoder.Result().sequence == request.sequence)
            return Checked(decoder.Result(), request, options);
    }
    return {KASDRV_ZLA_ODPOWIEDZ, 0, {}};
}

// One attempt; `retry` tells whether repeating the request may help.
Reply Attempt(Link& link, const Frame& request, const ExchangeOptions& options, bool& retry) {
    retry = false;
    Drain(link, DrainGapMs, options.timeoutMs);
    const auto bytes = Encode(request);
    if (bytes.empty())
        return {KASDRV_TIMEOUT_NADAWANIA, 0, {}}; // too long for a frame: nothing can go
    const size_t estimate = FrameOverhead + Longest(request, options);
    const auto start = Clock::now();
    // The earliest the request's last byte can have left the line.
    const auto sent = start + std::chrono::milliseconds(LineMs(bytes.size(), options.speed));
    const auto deadline =
        start + std::chrono::milliseconds(LineMs(bytes.size() + 1 + estimate, options.speed) +
                                          options.timeoutMs);
    if (options.postep)
        options.postep->Oczekuj(static_cast<int64_t>(bytes.size() + 1 + estimate));
    const int writeTimeout =
        options.writeTimeoutMs > 0 ? options.writeTimeoutMs : options.timeoutMs;
    if (!link.Write(bytes, std::min(writeTimeout, RemainingMs(deadline))))
        return {KASDRV_TIMEOUT_NADAWANIA, 0, {}};
    if (options.postep)
        options.postep->Zrobiono(static_cast<int64_t>(bytes.size()));
    ByteSource source(link, options.timeoutMs, sent, deadline, options.postep);
    return Receive(source, request, options, estimate, retry);
}

} // namespace

size_t LongestReply(uint8_t command) {
    switch (command) {
    case cmd::Identify:
        return 5;
    case cmd::Number:
        return 4;
    case cmd::ReadKeys:
        return 1 + KeyCount * KeyRecordSize;
    case cmd::WriteKeys:
    case cmd::DeleteKeys:
        return 2;
    case cmd::ReadGoods:
        return 1 + GoodsCount * (1 + MaxNameLength);
    case cmd::ReadPayments:
        return 1 + PaymentCount * (1 + MaxNameLength);
    case cmd::SelectChannel:
        return 1;
    default:
        return MaxPayload;
    }
}

int LineMs(size_t bytes, int speed) {
    if (speed <= 0)
        return 0;
    const auto bits = static_cast<int64_t>(bytes) * BitsPerByte;
    return static_cast<int>((bits * 1000 + speed - 1) / speed);
}

Reply Exchange(Link& link, const Frame& request, const ExchangeOptions& options) {
    Reply reply;
    for (int i = 0; i < (options.attempts < 1 ? 1 : options.attempts); ++i) {
        bool retry = false;
        reply = Attempt(link, request, options, retry);
        if (!retry)
            break;
        Drain(link, QuietMs, options.timeoutMs);
    }
    return reply;
}

} // namespace orbaklaw::protocol

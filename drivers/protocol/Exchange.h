#pragma once
// One request and its reply, as the drivers make them: let the line go
// quiet, send the frame, wait for ACK, read the reply frame. A NAK or a
// corrupt reply repeats the request (at most `attempts` times in all);
// silence ends the exchange at once.
//
// Every attempt has a deadline besides the timeout of each silence: the time
// the request and the longest reply the command can have need at the line's
// speed, plus the timeout. A peer that keeps sending a byte now and then can
// hold an exchange no longer than that.
//
// Result codes: 0 done, 20 the request could not be sent in time, 21 nothing
// (or not the whole reply) arrived within the timeout or the deadline, 22
// another register answered, 23 a malformed or corrupt reply, 24 NAK, and for
// a refusal the register's status byte mapped by KodZeStatusu.

#include "drivers/protocol/Frame.h"
#include "drivers/protocol/Link.h"
#include "drivers/protocol/Postep.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::protocol {

struct ExchangeOptions {
    int timeoutMs = 5000;   // longest silence on the line: before ACK and between reply bytes
    int writeTimeoutMs = 0; // for sending the request; 0: the same as timeoutMs
    int attempts = 3;
    bool checkAddress = true; // the reply must come from request.address
    int speed = 9600;         // bit/s of the line, for the deadline
    // Longest reply payload (status byte included); 0: the longest the command can have.
    size_t longestReply = 0;
    Postep* postep = nullptr; // counts the bytes when given
};

struct Reply {
    uint8_t code = 0;
    uint8_t address = 0;       // who answered
    std::vector<uint8_t> data; // the reply payload after its status byte
};

// The longest reply payload, status byte included, that a command can have.
size_t LongestReply(uint8_t command);

// Milliseconds that `bytes` need on a line of `speed` bit/s (10 bits a byte), rounded up.
int LineMs(size_t bytes, int speed);

Reply Exchange(Link& link, const Frame& request, const ExchangeOptions& options);

} // namespace orbaklaw::protocol

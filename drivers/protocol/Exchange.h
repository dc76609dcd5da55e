#pragma once
// One request and its reply, as the drivers make them: send the frame, wait
// for ACK, read the reply frame. A NAK or a corrupt reply repeats the request
// (at most `attempts` times in all); silence ends the exchange at once.
//
// Result codes: 0 done, 20 the request could not be sent in time, 21 nothing
// (or not the whole reply) arrived within the timeout, 22 another register
// answered, 23 a malformed or corrupt reply, 24 NAK, and for a refusal the
// register's status byte mapped by KodZeStatusu.

#include "drivers/protocol/Frame.h"
#include "drivers/protocol/Link.h"

namespace orbaklaw::protocol {

constexpr uint8_t KodTimeoutNadawania = 20;
constexpr uint8_t KodTimeoutOdbierania = 21;
constexpr uint8_t KodInnaKasa = 22;
constexpr uint8_t KodZlaOdpowiedz = 23;
constexpr uint8_t KodNak = 24;
constexpr uint8_t KodNiedostepnyRozkaz = 25;

struct ExchangeOptions {
    int timeoutMs = 5000;   // longest silence on the line: before ACK and between reply bytes
    int writeTimeoutMs = 0; // for sending the request; 0: the same as timeoutMs
    int attempts = 3;
    bool checkAddress = true; // the reply must come from request.address
};

struct Reply {
    uint8_t code = 0;
    uint8_t address = 0;       // who answered
    std::vector<uint8_t> data; // the reply payload after its status byte
};

Reply Exchange(Link& link, const Frame& request, const ExchangeOptions& options);

} // namespace orbaklaw::protocol

#pragma once
// The serial port of the drivers. A real port goes through libserialport;
// a device that libserialport refuses (a pseudo-terminal, such as the
// emulator's link) is driven through termios directly. 8 data bits, no
// parity, 1 stop bit, no flow control.

#include "drivers/protocol/Link.h"

#include <memory>
#include <string>

namespace orbaklaw::protocol {

// The device of COM n: $ORBAKLAW_COM<n> when set, else /dev/ttyS<n-1>.
std::string PortDevice(int com);

class SerialLink : public Link {
public:
    // Opens and configures the device; none when it can't be opened or the
    // speed can't be set.
    static std::unique_ptr<SerialLink> Open(const std::string& device, int speed);
};

} // namespace orbaklaw::protocol

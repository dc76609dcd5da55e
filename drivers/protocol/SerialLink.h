#pragma once
// The serial port of the drivers (platform/PortSzeregowy.h): 8 data bits,
// no parity, 1 stop bit, no flow control, held by one client at a time, so
// a second program, or the other library of this one, can't open it
// meanwhile and take replies meant for the first.

#include "drivers/protocol/Link.h"

#include <memory>
#include <string>

namespace orbaklaw::protocol {

class SerialLink : public Link {
public:
    // Opens and configures the device; none when it can't be opened, is in
    // use, or the speed can't be set. `reason` then gets a Polish sentence
    // (Windows-1250) that names the device and says what is wrong.
    static std::unique_ptr<SerialLink> Open(const std::string& device, int speed,
                                            std::string* reason = nullptr);
};

} // namespace orbaklaw::protocol

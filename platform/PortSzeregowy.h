#pragma once
// A serial port opened for this client alone: 8 data bits, no parity, 1 stop
// bit, no flow control. A real port goes through libserialport; a device
// that libserialport refuses (a pseudo-terminal, such as the emulator's
// link) is driven through termios directly.
//
// While open the port is locked (flock), so a second program, or the other
// library of this one, can't open it meanwhile and take replies meant for
// the first. The lock ends with its holder, even one killed outright.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orbaklaw::platform {

enum class WynikOtwarciaPortu {
    Otwarty,
    Zajety,       // another client holds the port
    NieOtwarty,   // the device can't be opened or set up
    NieSzeregowy, // the device opens but is no serial port (a file, a FIFO, /dev/null)
    NieUstawiony  // the port was taken but refused the line settings
};

class PortSzeregowy {
public:
    virtual ~PortSzeregowy() = default;

    // Opens and sets up `urzadzenie` at `predkosc` (9600 or 19200); none
    // when that fails, and `wynik` says why.
    static std::unique_ptr<PortSzeregowy> Otworz(const std::string& urzadzenie, int predkosc,
                                                 WynikOtwarciaPortu& wynik);

    // Sends every byte within the time; false when the port won't take them.
    virtual bool Zapisz(const std::vector<uint8_t>& dane, int czasMs) = 0;
    // Waits up to the time for the first byte and returns it with whatever
    // else has come, at most `najwiecej`; empty when nothing came.
    virtual std::vector<uint8_t> Czytaj(size_t najwiecej, int czasMs) = 0;
    // Drops what has come and not been read.
    virtual void OdrzucWejscie() = 0;
};

} // namespace orbaklaw::platform

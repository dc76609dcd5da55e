#pragma once
// The serial devices present on this machine, for choosing the device of a
// COM port by name: the stable names of /dev/serial/by-id first (they stay
// the same whatever order adapters are plugged in), then the USB adapters
// (ttyUSB*, ttyACM*) and the built-in ports (ttyS*) by their kernel names.

#include <string>
#include <vector>

namespace orbaklaw::platform {

struct UrzadzenieSzeregowe {
    std::string sciezka; // the device's path, as it goes into the port assignment
    std::string opis;    // the adapter's description from its by-id name; empty otherwise
    std::string cel;     // the kernel device a by-id name leads to; empty otherwise
};

// The folders scanned; tests give folders of their own.
struct FolderyUrzadzen {
    std::string poId = "/dev/serial/by-id";
    std::string urzadzenia = "/dev";
};

// By-id names in name order, then ttyUSB, ttyACM and ttyS devices, each kind
// in number order. A folder that is missing or unreadable gives nothing.
std::vector<UrzadzenieSzeregowe> UrzadzeniaSzeregowe(const FolderyUrzadzen& foldery = {});

// The adapter's description carried by a by-id name:
// "usb-FTDI_FT232R_USB_UART_A1234567-if00-port0" gives
// "FTDI FT232R USB UART A1234567".
std::string OpisZNazwyPoId(const std::string& nazwa);

// The system's error number met opening the device for reading and writing
// (without waiting, and closed again at once); 0 when it opens. A device
// that opens but is no terminal gives ENOTTY, one another program holds
// (its lock) EBUSY.
int BladOtwarciaUrzadzenia(const std::string& sciezka);

// The system's error number met looking at the device (there, and open to
// this user for reading and writing); 0 when it is usable.
int BladDostepuDoUrzadzenia(const std::string& sciezka);
// The device COM n is when nothing else is said: /dev/ttyS<n-1> (Linux),
// \\.\COMn (Windows).
std::string DomyslneUrzadzeniePortu(int com);

} // namespace orbaklaw::platform

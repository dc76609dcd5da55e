#include "drivers/protocol/SerialLink.h"
#include "files/StronyKodowe.h"

#include "platform/PortSzeregowy.h"

#include <utility>

namespace orbaklaw::protocol {

namespace {

// Port <device> jest zajęty przez inny program.
std::string InUse(const std::string& device) {
    return "Port " + device + " jest zajęty przez inny program."_w1250;
}

// Urządzenie <device> nie jest portem szeregowym.
std::string NoSerialPort(const std::string& device) {
    return "Urządzenie "_w1250 + device + " nie jest portem szeregowym."_w1250;
}

// Nie można otworzyć portu <device>.
std::string CannotOpen(const std::string& device) {
    return "Nie można otworzyć portu "_w1250 + device + ".";
}

void Say(std::string* reason, const std::string& text) {
    if (reason)
        *reason = text;
}

// The drivers' link over the system's serial port.
class PortLink : public SerialLink {
public:
    explicit PortLink(std::unique_ptr<platform::PortSzeregowy> port) : port_(std::move(port)) {}

    bool Write(const std::vector<uint8_t>& bytes, int timeoutMs) override {
        return port_->Zapisz(bytes, timeoutMs);
    }
    std::vector<uint8_t> Read(size_t max, int timeoutMs) override {
        return port_->Czytaj(max, timeoutMs);
    }
    void DiscardInput() override { port_->OdrzucWejscie(); }

private:
    std::unique_ptr<platform::PortSzeregowy> port_;
};

} // namespace

std::unique_ptr<SerialLink> SerialLink::Open(const std::string& device, int speed,
                                             std::string* reason) {
    if (speed != 9600 && speed != 19200) {
        Say(reason, CannotOpen(device));
        return nullptr;
    }
    auto wynik = platform::WynikOtwarciaPortu::NieOtwarty;
    auto port = platform::PortSzeregowy::Otworz(device, speed, wynik);
    if (port)
        return std::make_unique<PortLink>(std::move(port));
    if (wynik == platform::WynikOtwarciaPortu::Zajety)
        Say(reason, InUse(device));
    else if (wynik == platform::WynikOtwarciaPortu::NieSzeregowy)
        Say(reason, NoSerialPort(device));
    else if (wynik == platform::WynikOtwarciaPortu::NieOtwarty)
        Say(reason, CannotOpen(device));
    return nullptr;
}

} // namespace orbaklaw::protocol

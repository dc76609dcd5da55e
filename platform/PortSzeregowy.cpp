#include "platform/PortSzeregowy.h"

#include "platform/BlokadaPliku.h"

#include <libserialport.h>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace orbaklaw::platform {

namespace {

// Takes the port for this client alone; false when another holds it. The
// lock goes with the open file, so it ends however its holder ends. The
// terminal's own exclusive mode (TIOCEXCL) is not used: it belongs to the
// device, not to the holder, and on a terminal that stays open elsewhere (a
// pseudo-terminal's other end) it outlives a killed holder and shuts every
// later client but root out.
bool TakeExclusive(int fd) {
    return ZablokujWylacznie(fd);
}

class LibSerialPortPort : public PortSzeregowy {
public:
    explicit LibSerialPortPort(sp_port* port) : port_(port) {}
    ~LibSerialPortPort() override {
        sp_close(port_);
        sp_free_port(port_);
    }
    LibSerialPortPort(const LibSerialPortPort&) = delete;
    LibSerialPortPort& operator=(const LibSerialPortPort&) = delete;

    bool Zapisz(const std::vector<uint8_t>& bytes, int timeoutMs) override {
        auto sent =
            sp_blocking_write(port_, bytes.data(), bytes.size(), static_cast<unsigned>(timeoutMs));
        return sent == static_cast<sp_return>(bytes.size());
    }
    std::vector<uint8_t> Czytaj(size_t max, int timeoutMs) override {
        std::vector<uint8_t> bytes(max);
        // The first byte waits for the timeout; whatever else is there comes with it.
        auto got =
            sp_blocking_read_next(port_, bytes.data(), max, static_cast<unsigned>(timeoutMs));
        bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
        return bytes;
    }
    void OdrzucWejscie() override { sp_flush(port_, SP_BUF_INPUT); }

private:
    sp_port* port_;
};

class TermiosPort : public PortSzeregowy {
public:
    explicit TermiosPort(int fd) : fd_(fd) {}
    ~TermiosPort() override { close(fd_); }
    TermiosPort(const TermiosPort&) = delete;
    TermiosPort& operator=(const TermiosPort&) = delete;

    bool Zapisz(const std::vector<uint8_t>& bytes, int timeoutMs) override {
        size_t done = 0;
        while (done < bytes.size()) {
            pollfd p{fd_, POLLOUT, 0};
            if (poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLOUT))
                return false;
            auto n = write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                return false;
            done += n > 0 ? static_cast<size_t>(n) : 0;
        }
        return true;
    }
    std::vector<uint8_t> Czytaj(size_t max, int timeoutMs) override {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN))
            return {};
        std::vector<uint8_t> bytes(max);
        auto n = read(fd_, bytes.data(), max);
        bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return bytes;
    }
    void OdrzucWejscie() override { tcflush(fd_, TCIFLUSH); }

private:
    int fd_;
};

speed_t TermiosSpeed(int speed) {
    switch (speed) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    default:
        return B0;
    }
}

std::unique_ptr<PortSzeregowy> OpenTermios(const std::string& device, int speed,
                                           WynikOtwarciaPortu& wynik) {
    wynik = WynikOtwarciaPortu::NieOtwarty;
    const speed_t s = TermiosSpeed(speed);
    if (s == B0)
        return nullptr;
    int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY)
            wynik = WynikOtwarciaPortu::Zajety;
        return nullptr;
    }
    if (!TakeExclusive(fd)) {
        close(fd);
        wynik = WynikOtwarciaPortu::Zajety;
        return nullptr;
    }
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        if (errno == ENOTTY)
            wynik = WynikOtwarciaPortu::NieSzeregowy;
        close(fd);
        return nullptr;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
    cfsetispeed(&t, s);
    cfsetospeed(&t, s);
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        close(fd);
        return nullptr;
    }
    tcflush(fd, TCIOFLUSH);
    wynik = WynikOtwarciaPortu::Otwarty;
    return std::make_unique<TermiosPort>(fd);
}

// None also when libserialport does not take the device; `inUse` tells
// whether it was refused because another client holds it, `unset` whether
// it was taken but refused the line settings.
std::unique_ptr<PortSzeregowy> OpenLibSerialPort(const std::string& device, int speed, bool& inUse,
                                                 bool& unset) {
    inUse = false;
    unset = false;
    sp_port* port = nullptr;
    if (sp_get_port_by_name(device.c_str(), &port) != SP_OK)
        return nullptr;
    if (sp_open(port, SP_MODE_READ_WRITE) != SP_OK) {
        inUse = errno == EBUSY;
        sp_free_port(port);
        return nullptr;
    }
    int fd = -1;
    const bool handle = sp_get_port_handle(port, &fd) == SP_OK;
    if (!handle || !TakeExclusive(fd)) {
        inUse = handle;
        sp_close(port);
        sp_free_port(port);
        return nullptr;
    }
    auto link = std::make_unique<LibSerialPortPort>(port);
    if (sp_set_baudrate(port, speed) != SP_OK || sp_set_bits(port, 8) != SP_OK ||
        sp_set_parity(port, SP_PARITY_NONE) != SP_OK || sp_set_stopbits(port, 1) != SP_OK ||
        sp_set_flowcontrol(port, SP_FLOWCONTROL_NONE) != SP_OK) {
        unset = true;
        return nullptr;
    }
    sp_flush(port, SP_BUF_BOTH);
    return link;
}

} // namespace

std::unique_ptr<PortSzeregowy> PortSzeregowy::Otworz(const std::string& urzadzenie, int predkosc,
                                                     WynikOtwarciaPortu& wynik) {
    bool inUse = false;
    bool unset = false;
    if (auto port = OpenLibSerialPort(urzadzenie, predkosc, inUse, unset)) {
        wynik = WynikOtwarciaPortu::Otwarty;
        return port;
    }
    if (inUse || unset) {
        wynik = inUse ? WynikOtwarciaPortu::Zajety : WynikOtwarciaPortu::NieUstawiony;
        return nullptr;
    }
    return OpenTermios(urzadzenie, predkosc, wynik);
}

} // namespace orbaklaw::platform

#include "emulator/Pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace orbaklaw::emulator {

namespace {
std::runtime_error Blad(const std::string& co) {
    return std::runtime_error(co + ": " + std::strerror(errno));
}
} // namespace

Pty::Pty(std::string link) : link_(std::move(link)) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw Blad("posix_openpt");
    const char* nazwa = ptsname(master_);
    if (!nazwa)
        throw Blad("ptsname");
    const std::string slave = nazwa;
    slave_ = open(slave.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        throw Blad(slave);
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(slave_, TCSANOW, &t);
    unlink(link_.c_str());
    if (symlink(slave.c_str(), link_.c_str()) != 0)
        throw Blad(link_);
}

Pty::~Pty() {
    unlink(link_.c_str());
    if (slave_ >= 0)
        close(slave_);
    if (master_ >= 0)
        close(master_);
}

std::vector<uint8_t> Pty::Read(int timeoutMs) {
    pollfd p{master_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN))
        return {};
    std::vector<uint8_t> bytes(4096);
    auto n = read(master_, bytes.data(), bytes.size());
    bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return bytes;
}

bool Pty::Write(const uint8_t* data, size_t size, int timeoutMs) {
    size_t done = 0;
    while (done < size) {
        pollfd p{master_, POLLOUT, 0};
        if (poll(&p, 1, timeoutMs) <= 0)
            return false;
        auto n = write(master_, data + done, size - done);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        done += n > 0 ? static_cast<size_t>(n) : 0;
    }
    return true;
}

int Pty::Speed() const {
    termios t{};
    if (tcgetattr(slave_, &t) != 0)
        return 9600;
    return cfgetospeed(&t) == B19200 ? 19200 : 9600;
}

} // namespace orbaklaw::emulator

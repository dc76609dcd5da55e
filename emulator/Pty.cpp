#include "emulator/Pty.h"

#include "emulator/Komunikaty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace orbaklaw::emulator {

namespace {

std::runtime_error Blad(const std::string& co) {
    return std::runtime_error(co + ": " + PowodSystemu(errno));
}

// Where the link at `link` leads, or none when there is no link there.
std::optional<std::string> CelDowiazania(const std::string& link) {
    std::string cel(4096, '\0');
    const ssize_t n = readlink(link.c_str(), cel.data(), cel.size());
    if (n < 0 || static_cast<size_t>(n) >= cel.size())
        return std::nullopt;
    cel.resize(static_cast<size_t>(n));
    return cel;
}

// The lock an emulator holds on the slave side while it serves it. An
// open-file-description lock: the ports' own locks (flock) never see it,
// so a driver opening the line is not disturbed.
bool Zablokuj(int fd, short rodzaj, int polecenie) {
    struct flock blokada {};
    blokada.l_type = rodzaj;
    blokada.l_whence = SEEK_SET;
    return fcntl(fd, polecenie, &blokada) == 0 &&
           (polecenie != F_OFD_GETLK || blokada.l_type == F_UNLCK);
}

bool Pozniej(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// Whether the existing `link` may be taken over: only a symbolic link to a
// pseudo-terminal that no running emulator serves (gone, or alive but not
// locked by one). Anything else is the user's, and stays.
// `wlasny` is this emulator's own slave: the number of an ended one's
// pseudo-terminal may have come to it.
void SprawdzStareDowiazanie(const std::string& link, const std::string& wlasny) {
    struct stat s {};
    if (lstat(link.c_str(), &s) != 0) {
        if (errno == ENOENT)
            return;
        throw Blad(link);
    }
    const auto cel = S_ISLNK(s.st_mode) ? CelDowiazania(link) : std::nullopt;
    if (!cel || cel->rfind("/dev/pts/", 0) != 0)
        throw std::runtime_error(
            link + ": to nie jest dowiązanie do pseudoterminala; emulator go nie zastąpi");
    if (*cel == wlasny)
        return;
    const int fd = open(cel->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENXIO || errno == EIO)
            return; // its emulator has ended
        throw std::runtime_error(
            link +
            ": nie można sprawdzić, czy to łącze obsługuje inny emulator: " + PowodSystemu(errno));
    }
    // A number given again to a newer pseudo-terminal (another emulator's,
    // after the one the link was made for ended) is not this link's.
    struct stat pts {};
    const bool nowszy = fstat(fd, &pts) == 0 && Pozniej(pts.st_ctim, s.st_mtim);
    const bool wolny = nowszy || Zablokuj(fd, F_WRLCK, F_OFD_GETLK);
    close(fd);
    if (!wolny)
        throw std::runtime_error(link + ": to łącze obsługuje już inny emulator");
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
    if (!Zablokuj(slave_, F_WRLCK, F_OFD_SETLK))
        throw Blad(slave);
    SprawdzStareDowiazanie(link_, slave);
    // The new link takes the old one's place in one step.
    const std::string nowy = link_ + ".orba-emu." + std::to_string(getpid());
    unlink(nowy.c_str());
    if (symlink(slave.c_str(), nowy.c_str()) != 0)
        throw Blad(link_);
    if (rename(nowy.c_str(), link_.c_str()) != 0) {
        const int blad = errno;
        unlink(nowy.c_str());
        errno = blad;
        throw Blad(link_);
    }
    slaveNazwa_ = slave;
}

Pty::~Pty() {
    // Only the link this emulator put there; one the user has put in its
    // place since stays.
    if (!slaveNazwa_.empty() && CelDowiazania(link_) == slaveNazwa_)
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

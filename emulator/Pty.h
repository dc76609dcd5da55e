#pragma once
// The emulator's end of the line: a pseudo-terminal whose slave side is
// reached through a symbolic link. The emulator keeps the slave open itself
// so that a driver closing the port does not hang up the line.

#include <cstdint>
#include <string>
#include <vector>

namespace orbaklaw::emulator {

class Pty {
public:
    // Opens the pseudo-terminal and puts the link at `link`. An old link
    // there is replaced only when it leads to a pseudo-terminal no running
    // emulator serves; anything else there is refused. Throws
    // std::runtime_error (with a Polish reason) on failure.
    explicit Pty(std::string link);
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Waits at most timeoutMs; the bytes that arrived, possibly none.
    std::vector<uint8_t> Read(int timeoutMs);
    // Writes everything unless the line stays blocked for `timeoutMs`.
    bool Write(const uint8_t* data, size_t size, int timeoutMs);

    // The speed the driver set on the port (termios of the slave side);
    // 9600 when it is none of the register's speeds.
    int Speed() const;

private:
    std::string link_;
    std::string slaveNazwa_; // where the link leads once it is put there
    int master_ = -1;
    int slave_ = -1;
};

} // namespace orbaklaw::emulator

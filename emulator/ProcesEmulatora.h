#pragma once
// Starts orba-emu as a child process and waits (bounded) for its "ready"
// line; the destructor stops it. For tests, benchmarks and demonstrations.

#include <string>
#include <sys/types.h>
#include <vector>

namespace orbaklaw::emulator {

class ProcesEmulatora {
public:
    // Runs `program` with "--link link" and `argumenty`; throws
    // std::runtime_error when it is not ready within `czekajMs`.
    ProcesEmulatora(const std::string& program, const std::string& link,
                    const std::vector<std::string>& argumenty, int czekajMs = 5000);
    ~ProcesEmulatora();
    ProcesEmulatora(const ProcesEmulatora&) = delete;
    ProcesEmulatora& operator=(const ProcesEmulatora&) = delete;

    // SIGKILL: the process gets no chance to tidy up.
    void Zabij();
    // SIGTERM and a bounded wait; true when it ended by itself.
    bool Zatrzymaj(int czekajMs = 3000);
    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    int wyjscie_ = -1;
};

} // namespace orbaklaw::emulator

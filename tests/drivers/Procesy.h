#pragma once
// Runs kasdrv-call in a child process: a second program on the same line.

#include <string>
#include <sys/types.h>
#include <vector>

namespace orbaklaw::testy {

class WywolanieWTle {
public:
    // Starts `kasdrv-call` with these arguments in the current directory.
    explicit WywolanieWTle(const std::vector<std::string>& argumenty);
    ~WywolanieWTle();
    WywolanieWTle(const WywolanieWTle&) = delete;
    WywolanieWTle& operator=(const WywolanieWTle&) = delete;

    // Waits for the end; the call's result (or 256 + signal, -1 on failure).
    int Wynik();

private:
    pid_t pid_ = -1;
};

// Runs it to its end.
int WywolajWProcesie(const std::vector<std::string>& argumenty);

} // namespace orbaklaw::testy

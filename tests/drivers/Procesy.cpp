#include "Procesy.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace orbaklaw::testy {

WywolanieWTle::WywolanieWTle(const std::vector<std::string>& argumenty) {
    std::vector<std::string> slowa{KASDRV_CALL};
    slowa.insert(slowa.end(), argumenty.begin(), argumenty.end());
    std::vector<char*> argv;
    for (auto& s : slowa)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        execv(KASDRV_CALL, argv.data());
        _exit(127);
    }
}

WywolanieWTle::~WywolanieWTle() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

int WywolanieWTle::Wynik() {
    if (pid_ <= 0)
        return -1;
    int status = 0;
    if (waitpid(pid_, &status, 0) != pid_)
        return -1;
    pid_ = -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 256 + WTERMSIG(status) : -1;
}

int WywolajWProcesie(const std::vector<std::string>& argumenty) {
    return WywolanieWTle(argumenty).Wynik();
}

} // namespace orbaklaw::testy

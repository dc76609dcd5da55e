#include "tests/cli/UruchomCli.h"

#include "tests/support/KatalogTymczasowy.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pty.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace orbaklaw::test {

namespace {
std::string Cytuj(const std::string& s) {
    std::string c = "'";
    for (char z : s)
        c += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return c + "'";
}
} // namespace

WynikCli UruchomCli(const std::vector<std::string>& argumenty) {
    KatalogTymczasowy tmp;
    std::string polecenie = Cytuj(ORBAKLAW_CLI);
    for (const auto& a : argumenty)
        polecenie += " " + Cytuj(a);
    polecenie += " >" + Cytuj((tmp / "out").string()) + " 2>" + Cytuj((tmp / "err").string());
    const int status = std::system(polecenie.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, tmp.Czytaj("out"), tmp.Czytaj("err")};
}

WynikCli UruchomCliZTerminalem(const std::vector<std::string>& argumenty) {
    KatalogTymczasowy tmp;
    int glowny = -1;
    int podrzedny = -1;
    if (::openpty(&glowny, &podrzedny, nullptr, nullptr, nullptr) != 0)
        return {-1, "", "openpty failed"};
    const std::string wyjscie = (tmp / "out").string();
    std::vector<std::string> a{ORBAKLAW_CLI};
    a.insert(a.end(), argumenty.begin(), argumenty.end());
    std::vector<char*> argv;
    for (auto& s : a)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(glowny);
        const int out = ::open(wyjscie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(podrzedny, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(podrzedny);
    std::string err;
    char bufor[4096];
    for (;;) {
        const ssize_t n = ::read(glowny, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // EIO once the program has ended and closed its side
        err.append(bufor, static_cast<size_t>(n));
    }
    ::close(glowny);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, tmp.Czytaj("out"), err};
}

std::string BibliotekiCli(const std::vector<std::string>& argumenty) {
    KatalogTymczasowy tmp;
    std::string polecenie = "LD_DEBUG=files LD_DEBUG_OUTPUT=" + Cytuj((tmp / "ld").string()) + " " +
                            Cytuj(ORBAKLAW_CLI);
    for (const auto& a : argumenty)
        polecenie += " " + Cytuj(a);
    polecenie += " >/dev/null 2>&1";
    [[maybe_unused]] const int status = std::system(polecenie.c_str());
    // One log per process, named ld.<pid>; "file=NAME [N];  needed by ..." or
    // "... dynamically loaded by ..." for each library.
    std::string biblioteki;
    for (const auto& wpis : std::filesystem::directory_iterator(tmp.sciezka())) {
        std::istringstream log(tmp.Czytaj(wpis.path().filename().string()));
        for (std::string linia; std::getline(log, linia);)
            if (const auto p = linia.find("\tfile=");
                p != std::string::npos &&
                (linia.find(" needed by ") != std::string::npos ||
                 linia.find(" dynamically loaded by ") != std::string::npos))
                biblioteki += linia.substr(p + 6, linia.find(' ', p) - p - 6) + "\n";
    }
    return biblioteki;
}

bool JestJq() {
    return std::system("jq --version >/dev/null 2>&1") == 0;
}

bool Jq(const std::string& json, const std::string& wyrazenie) {
    KatalogTymczasowy tmp;
    tmp.Zapisz("dokument.json", json);
    const std::string polecenie = "jq -e " + Cytuj(wyrazenie) + " " +
                                  Cytuj((tmp / "dokument.json").string()) + " >/dev/null 2>&1";
    return std::system(polecenie.c_str()) == 0;
}

} // namespace orbaklaw::test

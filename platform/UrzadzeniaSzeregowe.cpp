#include "platform/UrzadzeniaSzeregowe.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <regex>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::platform {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> Wpisy(const fs::path& folder) {
    std::vector<fs::path> wpisy;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), koniec; !ec && it != koniec; it.increment(ec))
        wpisy.push_back(it->path());
    return wpisy;
}

// "ttyUSB12" under "ttyUSB": 12; -1 for any other name.
long NumerUrzadzenia(const std::string& nazwa, const std::string& rodzaj) {
    if (nazwa.size() <= rodzaj.size() || nazwa.compare(0, rodzaj.size(), rodzaj) != 0 ||
        nazwa.size() > rodzaj.size() + 6)
        return -1;
    long n = 0;
    for (size_t i = rodzaj.size(); i < nazwa.size(); ++i) {
        if (nazwa[i] < '0' || nazwa[i] > '9')
            return -1;
        n = n * 10 + (nazwa[i] - '0');
    }
    return n;
}

void DodajPoId(const fs::path& folder, std::vector<UrzadzenieSzeregowe>& lista) {
    std::vector<fs::path> wpisy = Wpisy(folder);
    std::sort(wpisy.begin(), wpisy.end());
    for (const auto& w : wpisy) {
        std::error_code ec;
        const fs::path cel = fs::weakly_canonical(w, ec);
        lista.push_back(
            {w.string(), OpisZNazwyPoId(w.filename().string()), ec ? std::string() : cel.string()});
    }
}

void DodajRodzaj(const fs::path& folder, const std::string& rodzaj,
                 std::vector<UrzadzenieSzeregowe>& lista) {
    std::vector<std::pair<long, fs::path>> numery;
    for (const auto& w : Wpisy(folder))
        if (const long n = NumerUrzadzenia(w.filename().string(), rodzaj); n >= 0)
            numery.emplace_back(n, w);
    std::sort(numery.begin(), numery.end());
    for (const auto& [n, w] : numery)
        lista.push_back({w.string(), {}, {}});
}

} // namespace

std::string OpisZNazwyPoId(const std::string& nazwa) {
    static const std::regex wzor(R"(^(?:usb|pci|platform)-(.*?)(?:-if[0-9]+)?(?:-port[0-9]+)?$)");
    std::smatch m;
    std::string opis = std::regex_match(nazwa, m, wzor) ? m[1].str() : nazwa;
    std::replace(opis.begin(), opis.end(), '_', ' ');
    return opis;
}

std::vector<UrzadzenieSzeregowe> UrzadzeniaSzeregowe(const FolderyUrzadzen& foldery) {
    std::vector<UrzadzenieSzeregowe> lista;
    DodajPoId(foldery.poId, lista);
    for (const char* rodzaj : {"ttyUSB", "ttyACM", "ttyS"})
        DodajRodzaj(foldery.urzadzenia, rodzaj, lista);
    return lista;
}

int BladOtwarciaUrzadzenia(const std::string& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int blad = 0;
    if (!::isatty(fd))
        blad = ENOTTY;
    else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        blad = errno == EWOULDBLOCK ? EBUSY : errno;
    ::close(fd);
    return blad;
}

int BladDostepuDoUrzadzenia(const std::string& sciezka) {
    struct stat s {};
    if (::stat(sciezka.c_str(), &s) != 0 || ::access(sciezka.c_str(), R_OK | W_OK) != 0)
        return errno;
    return 0;
}

std::string DomyslneUrzadzeniePortu(int com) {
    return "/dev/ttyS" + std::to_string(com - 1);
}

} // namespace orbaklaw::platform

#include "cli/PlikiCli.h"

#include "transfer/NazwyPlikow.h"
#include "transfer/PlikTekstowy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbaklaw::cli {

namespace {

// The same file, or (for a file not there yet) the same path.
bool TenSamPlik(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ec;
    const auto ka = std::filesystem::weakly_canonical(a, ec);
    const auto kb = std::filesystem::weakly_canonical(b, ec);
    return !ec && ka == kb;
}

} // namespace

std::optional<std::string> ProblemWejscia(const std::string& sciezka) {
    struct stat s {};
    if (::stat(sciezka.c_str(), &s) != 0)
        return sciezka + ": " + std::strerror(errno);
    if (S_ISDIR(s.st_mode))
        return sciezka + ": " + std::strerror(EISDIR);
    if (!S_ISREG(s.st_mode)) // "to nie jest zwykły plik (urządzenie lub potok)"
        return sciezka + ": to nie jest zwyk\263y plik (urz\271dzenie lub potok)";
    if (static_cast<std::uintmax_t>(s.st_size) > NajwiekszyPlikWejsciowy)
        // "plik jest za duży (ponad 16 MB), to nie jest plik programu"
        return sciezka + ": plik jest za du\277y (ponad 16 MB), to nie jest plik programu";
    return std::nullopt;
}

std::optional<std::string> ProblemWyjscia(const std::string& sciezka,
                                          const std::vector<std::string>& wejscia) {
    if (sciezka.empty()) // "Brak nazwy pliku wyjściowego."
        return std::string("Brak nazwy pliku wyj\234ciowego.");
    if (NazwaZastrzezona(sciezka)) // "BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("
        return "B\243\245D ZAPISU: ZASTRZE\257ONA NAZWA PLIKU (" + CzescNazwy(sciezka) + ")";
    struct stat s {};
    if (::stat(sciezka.c_str(), &s) == 0) {
        if (S_ISDIR(s.st_mode))
            return sciezka + ": " + std::strerror(EISDIR);
        if (!S_ISREG(
                s.st_mode)) // "zapis możliwy tylko do zwykłego pliku (to urządzenie lub potok)"
            return sciezka +
                   ": zapis mo\277liwy tylko do zwyk\263ego pliku (to urz\271dzenie lub potok)";
    }
    for (const auto& we : wejscia)
        if (TenSamPlik(sciezka, we)) // "Jednakowe nazwy plików wejściowego i wyjściowego."
            return sciezka + ": Jednakowe nazwy plik\363w wej\234ciowego i wyj\234ciowego.";
    return std::nullopt;
}

} // namespace orbaklaw::cli

namespace orbaklaw::cli {

std::string CzytajPlikWejsciowy(const std::filesystem::path& plik) {
    if (auto problem = ProblemWejscia(plik.string()))
        throw BladWejsciaWyjscia(*problem);
    // O_NONBLOCK: a FIFO put in the file's place meanwhile can't hang the read.
    const int fd = ::open(plik.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw BladWejsciaWyjscia(plik.string() + ": " + std::strerror(errno));
    std::string tresc;
    char bufor[65536];
    for (;;) {
        const ssize_t n = ::read(fd, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || tresc.size() + static_cast<size_t>(n) > NajwiekszyPlikWejsciowy) {
            const int blad = n < 0 ? errno : EFBIG;
            ::close(fd);
            throw BladWejsciaWyjscia(plik.string() + ": " + std::strerror(blad));
        }
        if (n == 0)
            break;
        tresc.append(bufor, static_cast<size_t>(n));
    }
    ::close(fd);
    return tresc;
}

} // namespace orbaklaw::cli

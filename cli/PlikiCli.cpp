#include "cli/PlikiCli.h"

#include "files/BladSystemu.h"
#include "files/NazwyPlikow.h"

#include <cerrno>
#include <sys/stat.h>

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

std::optional<BladWejsciaWyjscia> ProblemWyjscia(const std::string& sciezka,
                                                 const std::vector<std::string>& wejscia) {
    if (sciezka.empty()) // "Brak nazwy pliku wyjściowego."
        return BladWejsciaWyjscia("Brak nazwy pliku wyj\234ciowego.");
    if (NazwaZastrzezona(sciezka)) // "BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("
        return BladWejsciaWyjscia("B\243\245D ZAPISU: ZASTRZE\257ONA NAZWA PLIKU (" +
                                  CzescNazwy(sciezka) + ")");
    struct stat s {};
    if (::stat(sciezka.c_str(), &s) == 0) {
        if (S_ISDIR(s.st_mode))
            return BladWejsciaWyjscia(sciezka, OpisBleduSystemu(EISDIR));
        if (!S_ISREG(s.st_mode))
            // "zapis możliwy tylko do zwykłego pliku (to urządzenie lub potok)"
            return BladWejsciaWyjscia(
                sciezka,
                "zapis mo\277liwy tylko do zwyk\263ego pliku (to urz\271dzenie lub potok)");
    }
    for (const auto& we : wejscia)
        if (TenSamPlik(sciezka, we)) // "Jednakowe nazwy plików wejściowego i wyjściowego."
            return BladWejsciaWyjscia(sciezka,
                                      "Jednakowe nazwy plik\363w wej\234ciowego i wyj\234ciowego.");
    return std::nullopt;
}

} // namespace orbaklaw::cli

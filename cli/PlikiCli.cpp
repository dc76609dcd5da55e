#include "cli/PlikiCli.h"

#include "files/BladSystemu.h"
#include "files/NazwyPlikow.h"
#include "platform/KodowanieSciezek.h"
#include "platform/TozsamoscPliku.h"

#include <cerrno>

namespace orbaklaw::cli {

namespace {

namespace fs = std::filesystem;

// The same file, or (for a file not there yet) the same path.
bool TenSamPlik(const std::string& a, const std::string& b) {
    const fs::path pa = platform::SciezkaZBajtow(a);
    const fs::path pb = platform::SciezkaZBajtow(b);
    if (const auto ten = platform::TenSamPlik(pa, pb))
        return *ten;
    std::error_code ec;
    const auto ka = fs::weakly_canonical(pa, ec);
    const auto kb = fs::weakly_canonical(pb, ec);
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
    std::error_code ec;
    const fs::file_status s = fs::status(platform::SciezkaZBajtow(sciezka), ec);
    if (!ec && fs::exists(s)) {
        if (fs::is_directory(s))
            return BladWejsciaWyjscia(sciezka, OpisBleduSystemu(EISDIR));
        if (!fs::is_regular_file(s))
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

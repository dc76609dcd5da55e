#include "cli/PlikiCli.h"
#include "files/StronyKodowe.h"

#include "files/BladSystemu.h"
#include "files/NazwyPlikow.h"
#include "files/PlikZastrzezony.h"
#include "format/KomunikatyBledow.h"
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
    if (sciezka.empty())
        return BladWejsciaWyjscia(KomunikatBledu(KASDRV_BRAK_WYJSCIA));
    if (NazwaZastrzezona(sciezka))
        return BladWejsciaWyjscia(BladZastrzezonejNazwy(CzescNazwy(sciezka)));
    if (const auto zastrzezony = PlikZastrzezony(platform::SciezkaZBajtow(sciezka)))
        return BladWejsciaWyjscia(BladZastrzezonejNazwy(*zastrzezony));
    std::error_code ec;
    const fs::file_status s = fs::status(platform::SciezkaZBajtow(sciezka), ec);
    if (!ec && fs::exists(s)) {
        if (fs::is_directory(s))
            return BladWejsciaWyjscia(sciezka, OpisBleduSystemu(EISDIR));
        if (!fs::is_regular_file(s))
            return BladWejsciaWyjscia(
                sciezka, "zapis możliwy tylko do zwykłego pliku (to urządzenie lub potok)"_w1250);
    }
    for (const auto& we : wejscia)
        if (TenSamPlik(sciezka, we))
            return BladWejsciaWyjscia(sciezka, KomunikatBledu(KASDRV_TE_SAME_NAZWY));
    return std::nullopt;
}

} // namespace orbaklaw::cli

#include "transfer/KolejnoscKopii.h"

#include "files/GraniceOdczytu.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

// Far more than the backups a register keeps.
constexpr GraniceOdczytu GraniceKolejnosci{1u << 20, 16384};

fs::path Plik(const fs::path& folder, const std::string& numer) {
    return folder / (".kolejnosc-kasa" + numer + ".txt");
}

} // namespace

std::vector<std::string> CzytajKolejnoscKopii(const fs::path& folder, const std::string& numer) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(Plik(folder, numer), ec)))
        return {};
    auto linie = CzytajLinie(Plik(folder, numer), GraniceKolejnosci);
    if (!linie)
        return {};
    return *std::move(linie);
}

void ZapiszKolejnoscKopii(const fs::path& folder, const std::string& numer,
                          const std::vector<std::string>& nazwy) {
    std::string tresc;
    for (const auto& nazwa : nazwy)
        tresc += nazwa + "\r\n";
    if (!ZapiszAtomowo(Plik(folder, numer), tresc)) {
        // Not kept this time: the next backup goes by the file system's times.
    }
}

} // namespace orbaklaw

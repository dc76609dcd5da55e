#include "format/PrzypisaniePortow.h"
#include "files/LiczbaCalkowita.h"
#include "files/StronyKodowe.h"

#include "files/GraniceOdczytu.h"
#include "files/PlikTekstowy.h"
#include "platform/FolderyUzytkownika.h"

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

// A few dozen short lines at most.
constexpr GraniceOdczytu GranicePlikuPortow{64u << 10, 1024};
constexpr int NajwyzszyPort = 256;
constexpr const char* Naglowek = "# orbaklaw: urzadzenia portow COM, wiersze COM<n>=<urzadzenie>";

std::optional<int> NumerPortu(const std::string& tekst) {
    return CzytajCyfry(tekst, 3, 1, NajwyzszyPort);
}

// What is wrong with a line (Windows-1250); none for a good one, a
// comment or a blank line.
const char* BladLinii(const std::string& linia) {
    if (linia.find_first_not_of(" \t") == std::string::npos || linia[0] == '#')
        return nullptr;
    const size_t rowna = linia.find('=');
    if (rowna == std::string::npos || rowna < 4 ||
        (linia.compare(0, 3, "COM") != 0 && linia.compare(0, 3, "com") != 0))
        return "to nie jest wiersz COM<n>=<urządzenie>"_w1250;
    if (!NumerPortu(linia.substr(3, rowna - 3)))
        return "numer portu COM poza zakresem 1..256"_w1250;
    if (rowna + 1 == linia.size())
        return "brak urządzenia po znaku ="_w1250;
    if (linia.find('\0') != std::string::npos)
        return "znak NUL w nazwie urządzenia"_w1250;
    return nullptr;
}

} // namespace

fs::path PrzypisaniePortow::Plik() {
    // By the XDG rule on every system, Windows too.
    if (const auto ustawienia = platform::FolderUstawienXdg())
        return *ustawienia / "orbaklaw" / "porty.txt";
    return {};
}

PrzypisaniePortow PrzypisaniePortow::Czytaj(const fs::path& plik) {
    if (plik.empty())
        return {};
    const auto linie = CzytajLinie(plik, GranicePlikuPortow);
    if (!linie)
        return {};
    return ZLinii(*linie);
}

PrzypisaniePortow::Odczyt PrzypisaniePortow::CzytajDoPolaczenia(const fs::path& plik) {
    std::error_code ec;
    if (plik.empty() || fs::symlink_status(plik, ec).type() == fs::file_type::not_found)
        return {};
    const auto odczytane = CzytajLinie(plik, GranicePlikuPortow);
    if (!odczytane)
        return {{}, odczytane.Blad()};
    const std::vector<std::string>& linie = *odczytane;
    for (size_t i = 0; i < linie.size(); ++i)
        if (const char* powod = BladLinii(linie[i]))
            return {{}, BladWejsciaWyjscia(plik, "linia " + std::to_string(i + 1) + ": " + powod)};
    return {ZLinii(linie), std::nullopt};
}

PrzypisaniePortow PrzypisaniePortow::ZTekstu(const std::string& tekst) {
    return ZLinii(PodzielNaLinie(tekst));
}

PrzypisaniePortow PrzypisaniePortow::ZLinii(const std::vector<std::string>& linie) {
    PrzypisaniePortow p;
    for (const auto& linia : linie) {
        const size_t rowna = linia.find('=');
        if (linia.empty() || linia[0] == '#' || rowna == std::string::npos || rowna < 4 ||
            (linia.compare(0, 3, "COM") != 0 && linia.compare(0, 3, "com") != 0))
            continue;
        const auto n = NumerPortu(linia.substr(3, rowna - 3));
        const std::string urzadzenie = linia.substr(rowna + 1);
        if (n && !urzadzenie.empty())
            p.porty_.emplace(*n, urzadzenie);
    }
    return p;
}

std::string PrzypisaniePortow::Tekst() const {
    std::vector<std::string> linie{Naglowek};
    for (const auto& [n, urzadzenie] : porty_)
        linie.push_back("COM" + std::to_string(n) + "=" + urzadzenie);
    return ZlaczLinie(linie);
}

WynikPliku<void> PrzypisaniePortow::Zapisz(const fs::path& plik) const {
    std::error_code ec;
    fs::create_directories(plik.parent_path(), ec);
    return ZapiszAtomowo(plik, Tekst());
}

std::optional<std::string> PrzypisaniePortow::Urzadzenie(int com) const {
    const auto it = porty_.find(com);
    if (it == porty_.end())
        return std::nullopt;
    return it->second;
}

void PrzypisaniePortow::Ustaw(int com, const std::string& urzadzenie) {
    if (urzadzenie.empty())
        porty_.erase(com);
    else
        porty_[com] = urzadzenie;
}

} // namespace orbaklaw

#include "appearance/KalibracjaDrukarek.h"

#include "files/PlikTekstowy.h"
#include "platform/FolderyUzytkownika.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

std::optional<double> Liczba(const std::string& tekst) {
    double wynik = 0;
    const char* koniec = tekst.data() + tekst.size();
    const auto [ptr, ec] = std::from_chars(tekst.data(), koniec, wynik);
    if (ec != std::errc() || ptr != koniec)
        return std::nullopt;
    return wynik;
}

std::string Tekst(double mm) {
    char bufor[32];
    std::snprintf(bufor, sizeof bufor, "%.2f", mm);
    return bufor;
}

} // namespace

KorektaDruku KorektaZPomiaru(const PomiarLinijek& pomiar) {
    if (!PoprawnyPomiar(pomiar.poziomo) || !PoprawnyPomiar(pomiar.pionowo))
        return {};
    return {100.0 / pomiar.poziomo, 100.0 / pomiar.pionowo};
}

bool PoprawnyPomiar(double mm) {
    return mm >= NajkrotszyPomiar && mm <= NajdluzszyPomiar;
}

std::optional<fs::path> PlikDrukarek() {
    // By the XDG rule on every system, Windows too.
    if (const auto ustawienia = platform::FolderUstawienXdg())
        return *ustawienia / "orbaklaw" / "drukarki.txt";
    return std::nullopt;
}

WynikPliku<PomiaryDrukarek> CzytajPomiaryDrukarek(const fs::path& plik) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(plik, ec)))
        return PomiaryDrukarek{};
    const auto linie = CzytajLinie(plik, GranicePlikuDrukarek);
    if (!linie)
        return linie.Blad();
    PomiaryDrukarek wynik;
    for (const std::string& linia : *linie) {
        if (linia.empty() || linia[0] == '#')
            continue;
        const size_t t1 = linia.find('\t');
        const size_t t2 = t1 == std::string::npos ? t1 : linia.find('\t', t1 + 1);
        if (t1 == 0 || t2 == std::string::npos)
            continue;
        const auto poziomo = Liczba(linia.substr(t1 + 1, t2 - t1 - 1));
        const auto pionowo = Liczba(linia.substr(t2 + 1));
        if (poziomo && pionowo && PoprawnyPomiar(*poziomo) && PoprawnyPomiar(*pionowo))
            wynik[linia.substr(0, t1)] = {*poziomo, *pionowo};
    }
    return wynik;
}

std::string TekstPomiarowDrukarek(const PomiaryDrukarek& pomiary) {
    std::vector<std::string> linie{
        "# orbaklaw: co drukarka drukuje zamiast 100 mm (strona kalibracji)",
        "# drukarka<TAB>linijka pozioma w mm<TAB>linijka pionowa w mm"};
    for (const auto& [drukarka, pomiar] : pomiary)
        linie.push_back(drukarka + "\t" + Tekst(pomiar.poziomo) + "\t" + Tekst(pomiar.pionowo));
    return ZlaczLinie(linie);
}

WynikPliku<void> ZapiszPomiaryDrukarek(const fs::path& plik, const PomiaryDrukarek& pomiary) {
    std::error_code ec;
    fs::create_directories(plik.parent_path(), ec);
    return ZapiszAtomowo(plik, TekstPomiarowDrukarek(pomiary));
}

KorektaDruku KorektaDrukarki(const std::string& drukarka) {
    const auto plik = PlikDrukarek();
    if (!plik || drukarka.empty())
        return {};
    const auto pomiary = CzytajPomiaryDrukarek(*plik);
    if (!pomiary)
        return {}; // an unreadable file: the printer prints as it would without one
    const auto it = pomiary->find(drukarka);
    return it == pomiary->end() ? KorektaDruku{} : KorektaZPomiaru(it->second);
}

} // namespace orbaklaw

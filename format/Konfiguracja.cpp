#include "format/Konfiguracja.h"

#include "files/LiczbaCalkowita.h"
#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"
#include "orbaklaw/kasdrv_kody.h"

#include <vector>

namespace orbaklaw {

namespace {

std::vector<std::string_view> Podziel(std::string_view tekst, char separator) {
    std::vector<std::string_view> czesci;
    size_t poczatek = 0;
    for (size_t sep; (sep = tekst.find(separator, poczatek)) != std::string_view::npos;
         poczatek = sep + 1)
        czesci.push_back(tekst.substr(poczatek, sep - poczatek));
    czesci.push_back(tekst.substr(poczatek));
    return czesci;
}

// A number after a fixed prefix ("com", "mux", "$"); none when malformed.
std::optional<int> LiczbaPo(std::string_view pole, std::string_view przedrostek) {
    if (pole.substr(0, przedrostek.size()) != przedrostek)
        return std::nullopt;
    pole.remove_prefix(przedrostek.size());
    if (pole.empty() || pole.front() == '+' || pole.front() == '-')
        return std::nullopt;
    return CzytajLiczbe(pole);
}

bool W(int x, int od, int do_) {
    return x >= od && x <= do_;
}

} // namespace

std::string LiniaKonfiguracji(std::string_view numerKasy, const UstawieniaKomunikacji& u) {
    const int kanal = u.multiplekser == 0 ? 1 : u.kanal;
    return "$" + std::string(numerKasy) + "\tcom" + std::to_string(u.port) + ":" +
           std::to_string(u.szybkosc) + ":mux" + std::to_string(u.multiplekser) + ":" +
           std::to_string(kanal) + "\t" + std::to_string(u.timeout);
}

WynikKonfiguracji ParsujLinieKonfiguracji(std::string_view linia) {
    const auto pola = Podziel(linia, '\t');
    if (pola.size() < 3)
        return {KASDRV_NIEKOMPLETNA_KONFIGURACJA, {}};
    if (pola.size() > 3)
        return {KASDRV_ZLY_FORMAT_KONFIGURACJI, {}};
    const auto lacze = Podziel(pola[1], ':');
    if (lacze.size() < 4)
        return {KASDRV_NIEKOMPLETNA_KONFIGURACJA, {}};
    if (lacze.size() > 4)
        return {KASDRV_ZLY_FORMAT_KONFIGURACJI, {}};

    auto numer = LiczbaPo(pola[0], "$");
    auto port = LiczbaPo(lacze[0], "com");
    auto szybkosc = LiczbaPo(lacze[1], "");
    auto mux = LiczbaPo(lacze[2], "mux");
    auto kanal = LiczbaPo(lacze[3], "");
    auto timeout = LiczbaPo(pola[2], "");
    if (!numer || !port || !szybkosc || !mux || !kanal || !timeout)
        return {KASDRV_ZLY_FORMAT_KONFIGURACJI, {}};

    WpisKonfiguracji wpis{*numer, {*port, *szybkosc, *mux, *kanal, *timeout}};
    if (!W(*numer, 1, 99) || !W(*port, 1, 9) || (*szybkosc != 9600 && *szybkosc != 19200) ||
        !W(*mux, 0, 1) || !W(*kanal, 1, 4) || !W(*timeout, 1, 1000))
        return {KASDRV_ZLE_DANE_KONFIGURACJI, wpis};
    return {0, wpis};
}

std::string NumerKasyZLinii(std::string_view linia) {
    std::string numer(linia.substr(linia.empty() ? 0 : 1, 2));
    if (numer.size() == 2 && static_cast<unsigned char>(numer[1]) < '0')
        numer.resize(1);
    return numer;
}

bool LiniaPusta(std::string_view linia) {
    return linia.find_first_not_of(" \t\r") == std::string_view::npos;
}

WynikKonfiguracji KonfiguracjaKasy(const std::vector<std::string>& linie, int numer) {
    bool jestLinia = false;
    std::optional<WynikKonfiguracji> znaleziony;
    for (const auto& linia : linie) {
        if (LiniaPusta(linia))
            continue;
        jestLinia = true;
        auto wynik = ParsujLinieKonfiguracji(linia);
        if (wynik.kod != 0)
            return wynik;
        if (wynik.wpis.numerKasy == numer && !znaleziony)
            znaleziony = wynik;
    }
    if (!jestLinia)
        return {KASDRV_NIEKOMPLETNA_KONFIGURACJA, {}};
    return znaleziony ? *znaleziony : WynikKonfiguracji{KASDRV_BRAK_SKOJARZENIA, {}};
}

WynikPliku<std::string> CzytajKonfiguracje(const std::filesystem::path& plik) {
    auto tresc = CzytajCalyPlik(plik, GranicePlikuKonfiguracji.bajtow);
    if (tresc && PodzielNaLinie(*tresc).size() > GranicePlikuKonfiguracji.linii)
        return BladWejsciaWyjscia::PlikOdrzucony(plik);
    return tresc;
}

WynikKonfiguracji OcenPlikKonfiguracji(const std::filesystem::path& plik, int numer) {
    const auto tresc = CzytajKonfiguracje(plik);
    if (!tresc)
        return {KASDRV_BRAK_KONFIGURACJI, {}};
    return KonfiguracjaKasy(PodzielNaLinie(*tresc), numer);
}

std::string NumerKasyZKonfiguracji(const std::vector<std::string>& linie) {
    for (const auto& linia : linie)
        if (!LiniaPusta(linia))
            return NumerKasyZLinii(linia);
    return {};
}

std::optional<std::string> CzytajNumerKasy(const std::filesystem::path& plik) {
    const auto linie = CzytajLinie(plik, GranicePlikuKonfiguracji);
    if (!linie)
        return std::nullopt;
    return NumerKasyZKonfiguracji(*linie);
}

bool KonfiguracjaPusta(const std::filesystem::path& plik) {
    const auto linie = CzytajLinie(plik);
    if (!linie)
        return false;
    for (const auto& linia : *linie)
        if (!LiniaPusta(linia))
            return false;
    return true;
}

} // namespace orbaklaw

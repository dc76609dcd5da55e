#include "files/PlikTekstowy.h"

#include "files/BladSystemu.h"
#include "files/CzytnikLinii.h"
#include "files/ZapisAtomowy.h"
#include "platform/DokladnaNazwa.h"
#include "platform/KodowanieSciezek.h"

#include <cctype>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

bool RowneBezWielkosci(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x < 128 && y < 128 ? std::tolower(x) != std::tolower(y) : x != y)
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> PodzielNaLinie(const std::string& tekst) {
    std::vector<std::string> linie;
    size_t poczatek = 0;
    while (poczatek < tekst.size()) {
        size_t lf = tekst.find('\n', poczatek);
        size_t koniec = lf == std::string::npos ? tekst.size() : lf;
        size_t dlugosc = koniec - poczatek;
        // CR LF ends a line, and so does a CR that ends the text.
        if (dlugosc > 0 && tekst[koniec - 1] == '\r')
            --dlugosc;
        linie.push_back(tekst.substr(poczatek, dlugosc));
        poczatek = lf == std::string::npos ? tekst.size() : lf + 1;
    }
    return linie;
}

WynikPliku<std::vector<std::string>> CzytajLinie(const fs::path& plik,
                                                 const GraniceOdczytu& granice) {
    CzytnikLinii czytnik(plik, granice.bajtow);
    if (auto otwarcie = czytnik.Otworz(); !otwarcie)
        return otwarcie.Blad();
    std::vector<std::string> linie;
    std::string linia;
    for (;;) {
        auto jest = czytnik.Nastepna(linia);
        if (!jest)
            return jest.Blad();
        if (!*jest)
            return linie;
        if (linie.size() == granice.linii)
            return BladWejsciaWyjscia::PlikOdrzucony(plik);
        linie.push_back(std::move(linia));
    }
}

WynikPliku<std::vector<std::string>> CzytajLinie(const fs::path& plik) {
    return CzytajLinie(plik, GranicePlikuTekstowego);
}

std::string ZlaczLinie(const std::vector<std::string>& linie) {
    std::string tresc;
    for (const auto& l : linie) {
        tresc += l;
        tresc += "\r\n";
    }
    return tresc;
}

WynikPliku<void> ZapiszAtomowo(const fs::path& plik, const std::string& tresc) {
    ZapisAtomowy zapis(plik);
    if (auto otwarcie = zapis.Otworz(); !otwarcie)
        return otwarcie;
    if (auto dopisanie = zapis.Dopisz(tresc); !dopisanie)
        return dopisanie;
    return zapis.Zatwierdz();
}

fs::path ZnajdzPlik(const fs::path& folder, const std::string& nazwa) {
    std::error_code ec;
    const fs::path wprost = folder / platform::SciezkaZBajtow(nazwa);
    // The name as written, else the name on the disk whatever its case.
    if (platform::IstniejePodDokladnaNazwa(wprost))
        return wprost;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        if (RowneBezWielkosci(platform::BajtySciezki(it->path().filename()), nazwa))
            return folder / it->path().filename();
    }
    return wprost;
}

fs::path ZnajdzPlik(const std::string& nazwa) {
    return ZnajdzPlik(fs::path(), nazwa);
}

} // namespace orbaklaw

#include "drivers/kasdrv/PlikiWejsciowe.h"

#include "files/LiczbaCalkowita.h"
#include "files/WezArgument.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"
#include "orbaklaw/kasdrv_kody.h"

#include <algorithm>

namespace orbaklaw::kasdrv {

namespace {

constexpr size_t LiniiNaglowka = 3;

bool SameCyfry(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> Pola(const std::string& linia) {
    std::vector<std::string> pola(1);
    for (char c : linia) {
        if (c == '\t')
            pola.emplace_back();
        else
            pola.back() += c;
    }
    return pola;
}

// Number of fields a key line of each kind carries.
int PolaRodzaju(int32_t rodzaj) {
    switch (rodzaj) {
    case Niezdefiniowany:
        return 2;
    case Towar:
        return 6;
    case Funkcja:
        return 3;
    case Platnosc:
        return 4;
    default:
        return 0;
    }
}

// Codes of the key lines that belong to no key.
std::vector<uint16_t> ObceKody(const std::vector<std::string>& linie) {
    std::vector<uint16_t> kody;
    for (size_t i = LiniiNaglowka; i < linie.size(); ++i) {
        const std::string pole = WezArgument(1, linie[i]);
        auto kod =
            CzytajLiczbe(pole.size() < 2 ? std::string_view{} : std::string_view(pole).substr(1));
        const auto k = static_cast<uint16_t>(static_cast<uint32_t>(kod.value_or(0)) & 0xFFFF);
        if (!MiejsceKodu(k))
            kody.push_back(k);
    }
    return kody;
}

} // namespace

Naglowek CzytajNaglowek(const std::vector<std::string>& linie) {
    if (linie.size() < LiniiNaglowka)
        return {KASDRV_NIEKOMPLETNE_WEJSCIE, 0};
    if (linie[0].empty() || linie[0][0] != '#' || linie[1] != "#" || linie[2] != "#")
        return {KASDRV_ZLY_FORMAT_WEJSCIA, 0};
    const std::string numer = linie[0].substr(1);
    if (numer.empty())
        return {KASDRV_NIEKOMPLETNE_WEJSCIE, 0};
    if (!SameCyfry(numer))
        return {KASDRV_ZLY_FORMAT_WEJSCIA, 0};
    auto wartosc = CzytajLiczbe(numer);
    if (!wartosc || *wartosc < 1 || *wartosc > 99)
        return {KASDRV_NUMER_POZA_ZAKRESEM, 0};
    return {0, *wartosc};
}

uint8_t KodZlejLinii(const std::string& linia) {
    if (linia.size() > NajdluzszaLiniaDefinicji)
        return KASDRV_ZLY_FORMAT_WEJSCIA;
    const auto pola = Pola(linia);
    const std::string& pole1 = pola[0];
    if (!CzytajLiczbe(pole1.size() < 2 ? std::string_view{} : std::string_view(pole1).substr(1)))
        return linia.empty() ? KASDRV_NIEKOMPLETNE_WEJSCIE : KASDRV_ZLY_FORMAT_WEJSCIA;
    if (pola.size() < 2)
        return KASDRV_NIEKOMPLETNE_WEJSCIE;
    auto rodzaj = CzytajLiczbe(pola[1]);
    if (!rodzaj)
        return KASDRV_ZLY_FORMAT_WEJSCIA;
    const int potrzeba = PolaRodzaju(*rodzaj);
    if (potrzeba == 0)
        return KASDRV_ZLE_DANE_WEJSCIA;
    if (static_cast<int>(pola.size()) < potrzeba)
        return KASDRV_NIEKOMPLETNE_WEJSCIE;
    for (int i = 2; i < potrzeba; ++i)
        if (!CzytajLiczbe(pola[static_cast<size_t>(i)]))
            return pola[static_cast<size_t>(i)].empty() ? KASDRV_NIEKOMPLETNE_WEJSCIE
                                                        : KASDRV_ZLY_FORMAT_WEJSCIA;
    return KASDRV_ZLE_DANE_WEJSCIA;
}

Definicje CzytajDefinicje(const std::vector<std::string>& linie) {
    const auto naglowek = CzytajNaglowek(linie);
    if (naglowek.kod != 0)
        return {naglowek.kod, 0, {}};
    TabliceKlawiszy tablice;
    auto wynik = ParsujDefinicje(tablice, linie);
    if (!wynik.poprawny)
        return {KodZlejLinii(wynik.zlaLinia), 0, {}};
    Definicje d{0, naglowek.numer, {}};
    for (const auto& k : KolejnoscKlawiszy()) {
        DefinicjaKlawisza rekord = tablice.Rekord(k.miejsce);
        rekord.KodKlawisza = k.kod;
        d.klawisze.push_back(rekord);
    }
    for (uint16_t obcy : ObceKody(linie)) {
        DefinicjaKlawisza rekord;
        rekord.KodKlawisza = obcy;
        d.klawisze.push_back(rekord);
    }
    return d;
}

Kasowanie CzytajKasowanie(const std::vector<std::string>& linie) {
    const auto naglowek = CzytajNaglowek(linie);
    if (naglowek.kod != 0)
        return {naglowek.kod, 0, {}};
    Kasowanie k{0, naglowek.numer, {}};
    for (size_t i = LiniiNaglowka; i < linie.size(); ++i) {
        const std::string& l = linie[i];
        if (l.size() < 2 || l[0] != '$' || !SameCyfry(l.substr(1)))
            return {static_cast<uint8_t>(l.empty() ? KASDRV_NIEKOMPLETNE_WEJSCIE
                                                   : KASDRV_ZLY_FORMAT_WEJSCIA),
                    0,
                    {}};
        auto kod = CzytajLiczbe(l.substr(1));
        if (!kod || *kod > 0xFFFF)
            return {KASDRV_ZLE_DANE_WEJSCIA, 0, {}};
        k.kody.push_back(static_cast<uint16_t>(*kod));
    }
    if (k.kody.empty())
        return {KASDRV_NIEKOMPLETNE_WEJSCIE, 0, {}};
    return k;
}

} // namespace orbaklaw::kasdrv

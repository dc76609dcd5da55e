#include "transfer/ListaKlawiszy.h"

#include "format/KodyKlawiszy.h"
#include "format/ListyWyboru.h"
#include "keys/Kwota.h"

namespace orbaklaw {

namespace {

std::string Towar_(const DefinicjaKlawisza& d, const NazwyZKasy& nazwy) {
    std::string opis = std::to_string(d.NrTowaru);
    if (nazwy.towary != nullptr)
        if (const std::string nazwa = nazwy.towary->Nazwa(d.NrTowaru); !nazwa.empty())
            opis += " " + nazwa;
    return opis;
}

std::string Funkcja_(const DefinicjaKlawisza& d) {
    if (d.Numer >= 1 && d.Numer <= LiczbaFunkcji)
        return NazwyFunkcji()[d.Numer - 1u];
    return std::to_string(d.Numer);
}

std::string Platnosc_(const DefinicjaKlawisza& d, const NazwyZKasy& nazwy) {
    if (d.Numer >= 1 && d.Numer <= nazwy.platnosci.size() && nazwy.platnosci[d.Numer - 1u])
        return *nazwy.platnosci[d.Numer - 1u];
    const int pozycja = PozycjaPlatnosci(d.Numer);
    if (pozycja >= 0 && pozycja < LiczbaPozycjiPlatnosci)
        return PoczatkoweNazwyPlatnosci()[static_cast<size_t>(pozycja)];
    return NazwaPlatnosciNumer(d.Numer);
}

WierszListyKlawiszy Wiersz(PozycjaKlawisza pozycja, const DefinicjaKlawisza& d,
                           const NazwyZKasy& nazwy) {
    WierszListyKlawiszy w;
    w.wariant = NazwyWariantow()[pozycja.wariant];
    w.klawisz = NazwaPozycji(pozycja.nr);
    w.rodzaj = d.Rodzaj < NazwyRodzajow().size() ? NazwyRodzajow()[d.Rodzaj] : "?";
    if (d.Rodzaj == Towar) {
        w.definicja = Towar_(d, nazwy);
        w.flagi = {d.Pojedynczo != 0, d.Zaplata != 0, d.Paragon != 0};
    } else if (d.Rodzaj == Funkcja) {
        w.definicja = Funkcja_(d);
    } else if (d.Rodzaj == Platnosc) {
        w.definicja = Platnosc_(d, nazwy);
        w.kwota = FormatujKwote(std::to_string(d.Kwota));
    }
    return w;
}

} // namespace

std::vector<WierszListyKlawiszy> WierszeListyKlawiszy(const TabliceKlawiszy& tablice,
                                                      const NazwyZKasy& nazwy) {
    std::vector<WierszListyKlawiszy> wiersze;
    for (const auto& k : KolejnoscKlawiszy())
        if (const auto pozycja = PozycjaMiejsca(k.miejsce))
            wiersze.push_back(Wiersz(*pozycja, tablice.Rekord(k.miejsce), nazwy));
    return wiersze;
}

} // namespace orbaklaw

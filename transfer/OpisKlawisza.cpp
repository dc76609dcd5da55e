#include "transfer/OpisKlawisza.h"

#include "format/ListyWyboru.h"
#include "keys/Kwota.h"

namespace orbaklaw {

namespace {

std::string OpisTowaru(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    std::string opis = "towar " + std::to_string(d.NrTowaru);
    if (const std::string nazwa = NazwaZKasy(d, nazwy); !nazwa.empty())
        opis += " (" + nazwa + ")";
    std::string flagi;
    for (auto [ustawiona, tekst] :
         {std::pair{d.Pojedynczo, TekstPojedynczo()}, std::pair{d.Zaplata, TekstZaplata()},
          std::pair{d.Paragon, TekstParagon()}}) {
        if (ustawiona)
            flagi += (flagi.empty() ? "" : ", ") + std::string(tekst);
    }
    return flagi.empty() ? opis : opis + ": " + flagi;
}

std::string OpisFunkcji(const DefinicjaKlawisza& d) {
    if (d.Numer >= 1 && d.Numer <= LiczbaFunkcji)
        return NazwyFunkcji()[d.Numer - 1u];
    return "funkcja " + std::to_string(d.Numer);
}

std::string OpisPlatnosci(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    const int pozycja = PozycjaPlatnosci(d.Numer);
    std::string nazwa = NazwaZKasy(d, nazwy);
    if (nazwa.empty())
        nazwa = pozycja < LiczbaPozycjiPlatnosci
                    ? PoczatkoweNazwyPlatnosci()[static_cast<size_t>(pozycja)]
                    : NazwaPlatnosciNumer(d.Numer);
    return nazwa + " " + FormatujKwote(std::to_string(d.Kwota));
}

std::string Szczegoly(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    switch (d.Rodzaj) {
    case Towar:
        return OpisTowaru(d, nazwy);
    case Funkcja:
        return OpisFunkcji(d);
    case Platnosc:
        return OpisPlatnosci(d, nazwy);
    default:
        return {};
    }
}

} // namespace

NazwyKasy NazwyZeStanu(const StanKlawiszy& stan) {
    NazwyKasy nazwy;
    nazwy.towary = stan.towary;
    nazwy.platnosci = stan.platnosci;
    return nazwy;
}

std::string NazwaKlawisza(MiejsceKlawisza miejsce) {
    const auto pozycja = PozycjaMiejsca(miejsce);
    if (!pozycja)
        return {};
    return std::string(NazwyWariantow()[pozycja->wariant]) + "\t" + NazwaPozycji(pozycja->nr);
}

std::string NazwaRodzaju(const DefinicjaKlawisza& d) {
    return d.Rodzaj < NazwyRodzajow().size() ? NazwyRodzajow()[d.Rodzaj] : "?";
}

std::string NazwaZKasy(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    if (d.Rodzaj == Towar && nazwy.towary)
        return nazwy.towary->Nazwa(d.NrTowaru);
    if (d.Rodzaj == Platnosc && d.Numer >= 1 && d.Numer <= nazwy.platnosci.size() &&
        nazwy.platnosci[d.Numer - 1u])
        return *nazwy.platnosci[d.Numer - 1u];
    return {};
}

std::string OpisDefinicji(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    const std::string szczegoly = Szczegoly(d, nazwy);
    return szczegoly.empty() ? NazwaRodzaju(d) : NazwaRodzaju(d) + ": " + szczegoly;
}

std::string OpisKlawisza(MiejsceKlawisza miejsce, const DefinicjaKlawisza& d,
                         const NazwyKasy& nazwy) {
    const std::string nazwa = NazwaKlawisza(miejsce);
    if (nazwa.empty())
        return {};
    const std::string szczegoly = Szczegoly(d, nazwy);
    return nazwa + "\t" + NazwaRodzaju(d) + (szczegoly.empty() ? "" : "\t" + szczegoly);
}

} // namespace orbaklaw

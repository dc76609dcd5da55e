#include "transfer/PorownanieDefinicji.h"

#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"

namespace orbaklaw {

std::vector<RoznicaKlawisza> Porownaj(const TabliceKlawiszy& a, const TabliceKlawiszy& b) {
    // The file's key lines come in the order of KolejnoscKlawiszy after three header lines.
    const auto linieA = PodzielNaLinie(TekstPlikuDefinicji(a, ""));
    const auto linieB = PodzielNaLinie(TekstPlikuDefinicji(b, ""));
    std::vector<RoznicaKlawisza> roznice;
    const auto& kolejnosc = KolejnoscKlawiszy();
    for (size_t i = 0; i < kolejnosc.size(); ++i) {
        if (linieA.at(i + 3) != linieB.at(i + 3)) {
            const auto m = kolejnosc[i].miejsce;
            roznice.push_back({m, a.Rekord(m), b.Rekord(m)});
        }
    }
    return roznice;
}

std::vector<MiejsceKlawisza> Zdefiniowane(const TabliceKlawiszy& t) {
    std::vector<MiejsceKlawisza> klawisze;
    for (const auto& r : Porownaj(TabliceKlawiszy{}, t))
        klawisze.push_back(r.miejsce);
    return klawisze;
}

LiczbaZmian PoliczZmiany(const std::vector<RoznicaKlawisza>& roznice) {
    LiczbaZmian liczba;
    for (const auto& r : roznice) {
        if (r.a.Rodzaj == Niezdefiniowany)
            ++liczba.dodane;
        else if (r.b.Rodzaj == Niezdefiniowany)
            ++liczba.usuniete;
        else
            ++liczba.zmienione;
    }
    return liczba;
}

std::string OpisLiczbyZmian(const LiczbaZmian& liczba) {
    return "+" + std::to_string(liczba.dodane) + " -" + std::to_string(liczba.usuniete) + " ~" +
           std::to_string(liczba.zmienione);
}

std::string OpisRoznicy(const RoznicaKlawisza& r, const NazwyKasy& nazwy) {
    return NazwaKlawisza(r.miejsce) + "\t" + OpisDefinicji(r.a, nazwy) + "\t" +
           OpisDefinicji(r.b, nazwy);
}

} // namespace orbaklaw

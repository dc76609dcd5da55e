#include "cli/Porownanie.h"

#include "cli/Json.h"
#include "cli/OpisKlawisza.h"
#include "cli/Utf8.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"

namespace orbaklaw::cli {

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

void WypiszRoznice(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out) {
    for (const auto& r : roznice)
        out << Utf8Z1250(NazwaKlawisza(r.miejsce) + "\t" + OpisDefinicji(r.a) + "\t" +
                         OpisDefinicji(r.b))
            << "\n";
}

void WypiszRozniceJson(const std::vector<RoznicaKlawisza>& roznice, std::ostream& out) {
    out << "{\"rowne\": " << (roznice.empty() ? "true" : "false") << ", \"roznice\": [";
    for (size_t i = 0; i < roznice.size(); ++i)
        out << (i ? ",\n  " : "\n  ") << "{" << JsonMiejsca(roznice[i].miejsce)
            << ", \"a\": " << JsonDefinicji(roznice[i].a)
            << ", \"b\": " << JsonDefinicji(roznice[i].b) << "}";
    out << (roznice.empty() ? "]}\n" : "\n]}\n");
}

} // namespace orbaklaw::cli

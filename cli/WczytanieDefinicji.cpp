#include "cli/WczytanieDefinicji.h"

#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/PlikiCli.h"
#include "transfer/PlikDefinicji.h"
#include "transfer/PlikTekstowy.h"

#include <new>

namespace orbaklaw::cli {

std::string KomunikatFormatu(const std::string& plik, const std::vector<std::string>& linie,
                             const std::string& zlaLinia) {
    // Whether a line is bad depends on its text alone, so the bad line is
    // the first key line with that text.
    size_t numer = 0;
    for (size_t i = 3; i < linie.size() && numer == 0; ++i)
        if (linie[i] == zlaLinia)
            numer = i + 1;
    return plik + ": " + KomunikatBlednegoFormatu("") + ", linia " + std::to_string(numer) + ": " +
           LiniaWKomunikacie(zlaLinia);
}

int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err) {
    tablice = TabliceKlawiszy{};
    try {
        const auto linie = PodzielNaLinie(CzytajPlikWejsciowy(plik));
        const auto wynik = ParsujDefinicje(tablice, linie);
        if (!wynik.poprawny) {
            err << "orbaklaw-cli: " << DlaTerminala(KomunikatFormatu(plik, linie, wynik.zlaLinia))
                << "\n";
            return KodBladFormatu;
        }
        return KodSukces;
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << DlaTerminala(e.what()) << "\n";
        return KodBladPliku;
    }
}

} // namespace orbaklaw::cli

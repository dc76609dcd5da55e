#include "cli/WczytanieDefinicji.h"

#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/PlikiCli.h"
#include "transfer/PlikDefinicji.h"
#include "transfer/PlikTekstowy.h"

#include <new>

namespace orbaklaw::cli {

std::string KomunikatFormatu(const std::vector<std::string>&, const std::string& zlaLinia) {
    return KomunikatBlednegoFormatu(LiniaWKomunikacie(zlaLinia));
}

int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err,
                     bool przedrostekFormatu) {
    tablice = TabliceKlawiszy{};
    try {
        const auto linie = PodzielNaLinie(CzytajPlikWejsciowy(plik));
        const auto wynik = ParsujDefinicje(tablice, linie);
        if (!wynik.poprawny) {
            err << (przedrostekFormatu ? "orbaklaw-cli: " : "")
                << DlaTerminala(KomunikatFormatu(linie, wynik.zlaLinia)) << "\n";
            return KodBladFormatu;
        }
        return KodSukces;
    } catch (const BladWejsciaWyjscia& e) {
        err << "orbaklaw-cli: " << DlaTerminala(e.what()) << "\n";
        return KodBladPliku;
    }
}

} // namespace orbaklaw::cli

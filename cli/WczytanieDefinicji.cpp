#include "cli/WczytanieDefinicji.h"

#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"

namespace orbaklaw::cli {

std::string KomunikatFormatu(const std::string& nazwa, size_t numer, const std::string& zlaLinia) {
    return nazwa + ": " +
           DlaTerminala(KomunikatBlednegoFormatu("") + ", linia " + std::to_string(numer) + ": " +
                        LiniaWKomunikacie(zlaLinia));
}

int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err) {
    tablice = TabliceKlawiszy{};
    try {
        // The program's own reader: a regular file within the bounds of a
        // definition file, one bounded line held at a time.
        const auto wynik = CzytajPlikDefinicji(tablice, plik);
        if (!wynik.poprawny) {
            err << PoczatekKomunikatu << KomunikatFormatu(plik, wynik.numerLinii, wynik.zlaLinia)
                << "\n";
            return KodBladFormatu;
        }
        return KodSukces;
    } catch (const BladWejsciaWyjscia& e) {
        err << PoczatekKomunikatu << KomunikatPliku(e) << "\n";
        return KodBladPliku;
    }
}

} // namespace orbaklaw::cli

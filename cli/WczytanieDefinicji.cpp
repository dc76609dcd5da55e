#include "cli/WczytanieDefinicji.h"

#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"
#include "format/PlikDefinicji.h"

namespace orbaklaw::cli {

std::string KomunikatFormatu(const std::string& nazwa, size_t numer, const std::string& zlaLinia) {
    return nazwa + ": " +
           DlaTerminala(KomunikatBlednegoFormatu("") + ", linia " + std::to_string(numer) + ": " +
                        LiniaWKomunikacie(zlaLinia));
}

namespace {

// Every line that left no definition, and a file that defines no key; false
// when there was any.
bool CalyPlikDoKlawiszy(const std::string& plik, const WynikOdczytuDefinicji& wynik,
                        std::ostream& err) {
    for (const auto& l : wynik.bezSkutku) {
        const std::string powod =
            l.ponownie == 0 ? "kod klawisza, którego kasa nie ma"_w1250
                            : "klawisz podany ponownie w linii "_w1250 + std::to_string(l.ponownie);
        err << PoczatekKomunikatu << plik << ": "
            << DlaTerminala("linia " + std::to_string(l.numer) + ": " + powod +
                            ", linia pominięta: "_w1250 + LiniaWKomunikacie(l.linia))
            << "\n";
    }
    if (wynik.zapisanych == 0)
        err << PoczatekKomunikatu << plik << ": "
            << DlaTerminala("nie definiuje żadnego klawisza"_w1250) << "\n";
    return wynik.bezSkutku.empty() && wynik.zapisanych > 0;
}

} // namespace

int WczytajDefinicje(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err,
                     CalyPlik calyPlik) {
    tablice = TabliceKlawiszy{};
    // The program's own reader: a regular file within the bounds of a
    // definition file, one bounded line held at a time.
    const auto odczyt = CzytajPlikDefinicji(tablice, plik);
    if (!odczyt)
        return ZglosBladPliku(err, odczyt.Blad());
    const auto& wynik = *odczyt;
    if (!wynik.poprawny) {
        err << PoczatekKomunikatu << KomunikatFormatu(plik, wynik.numerLinii, wynik.zlaLinia)
            << "\n";
        return KodBladFormatu;
    }
    if (calyPlik != CalyPlik::Nie && !CalyPlikDoKlawiszy(plik, wynik, err)) {
        if (calyPlik == CalyPlik::DoKasy)
            err << PoczatekKomunikatu << plik << ": "
                << DlaTerminala("nic nie wysłano do kasy (klawisze kasuje polecenie delete)"_w1250)
                << "\n";
        return KodBladPliku;
    }
    return KodSukces;
}

} // namespace orbaklaw::cli

#include "cli/WymianaCli.h"

#include "cli/Polecenia.h"
#include "cli/PoleceniaKasy.h"
#include "cli/Utf8.h"
#include "comm/KomunikatyBledow.h"
#include "comm/Konfiguracja.h"
#include "transfer/NumerKasy.h"
#include "transfer/PlikTekstowy.h"
#include "transfer/PlikWejsciowy.h"

namespace orbaklaw::cli {

int WymianaCli::Blad(const std::string& tekst1250, int kod) {
    err_ << "orbaklaw-cli: " << Utf8Z1250(tekst1250) << "\n";
    return kod;
}

std::optional<std::string> WymianaCli::NumerKasy() {
    const auto plik = ZnajdzPlik("konfig.txt");
    std::error_code ec;
    if (!std::filesystem::exists(plik, ec)) {
        // "Należy ustawić parametry komunikacji (brak pliku KONFIG.TXT)"
        Blad("Nale\277y ustawi\346 parametry komunikacji (brak pliku KONFIG.TXT)", KodBladPliku);
        return std::nullopt;
    }
    auto numer = CzytajNumerKasy(plik);
    if (!numer) // "Nie można odczytać pliku "
        Blad("Nie mo\277na odczyta\346 pliku " + plik.string(), KodBladPliku);
    return numer;
}

bool WymianaCli::PlikZapytania() {
    const auto numer = NumerKasy();
    if (!numer)
        return false;
    try {
        if (UtworzPlikWejsciowy(PlikZapytaniaCli, NumerKasyJakoLiczba(*numer)))
            return true;
        // "Nie udało się stworzyc pliku wejsciowego"
        Blad("Nie uda\263o si\352 stworzyc pliku wejsciowego", KodBladPliku);
    } catch (const BladNumeruKasy& e) {
        Blad(e.what(), KodBladPliku);
    }
    return false;
}

int WymianaCli::Wywolaj(const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie) {
    try {
        BibliotekaKasdrv kasdrv(kodBledu_);
        if (wywolanie(kasdrv) == 0)
            return KodSukces;
    } catch (const BladBiblioteki& e) {
        return Blad(e.what(), KodOdmowaKasy);
    }
    // "Kod <n>: " and the code's message
    return Blad("Kod " + std::to_string(kodBledu_) + ": " + KomunikatBledu(kodBledu_),
                KodOdmowaKasy);
}

} // namespace orbaklaw::cli

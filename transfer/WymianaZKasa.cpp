#include "transfer/WymianaZKasa.h"
#include "files/NazwyStale.h"

#include "app/Unit3.h"
#include "comm/Konfiguracja.h"
#include "comm/PolaczenieZKasa.h"
#include "comm/WymianaWTle.h"
#include "files/PlikTekstowy.h"
#include "state/Stan.h"
#include "widgets/PokazanaKlepsydra.h"

namespace orbaklaw {

WymianaZKasa::WymianaZKasa(TForm3& okno, Dialogi& dialogi,
                           const std::optional<FunkcjeKasdrv>& funkcje)
    : okno_(okno), dialogi_(dialogi), funkcje_(funkcje) {}

std::optional<std::string> WymianaZKasa::NumerZKonfiguracji(const QString& komunikat) {
    const auto plik = ZnajdzPlik(NazwaPlikuKonfiguracji);
    std::error_code ec;
    if (std::filesystem::exists(plik, ec) && !KonfiguracjaPusta(plik)) {
        if (auto numer = CzytajNumerKasy(plik))
            return numer;
        // "Nie można odczytać pliku konfig.txt"
        throw BladWejsciaWyjscia("Nie mo\277na odczyta\346 pliku " + plik.string());
    }
    dialogi_.Komunikat(komunikat);
    okno_.Komunikacja().PokazOknoKomunik();
    return std::nullopt;
}

uint8_t WymianaZKasa::Wywolaj(const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie) {
    uint8_t& kodBledu = Stan().KodBledu;
    BibliotekaKasdrv kasdrv =
        funkcje_ ? BibliotekaKasdrv(*funkcje_, kodBledu) : BibliotekaKasdrv(kodBledu);
    // The exchange runs on a worker thread while the window stays live.
    kasdrv.UstawWykonawce(WymianaWTle(dialogi_, [&kasdrv] { return kasdrv.Postep(); }));
    // The user sees the window as it stands before the register blocks it.
    okno_.repaint();
    PokazanaKlepsydra klepsydra(okno_.Klepsydra());
    return wywolanie(kasdrv);
}

} // namespace orbaklaw

#include "transfer/WymianaZKasa.h"
#include "files/NazwyStale.h"
#include "files/StronyKodowe.h"

#include "comm/BibliotekiKasy.h"
#include "files/PlikTekstowy.h"
#include "format/Konfiguracja.h"
#include "ui/Dialogi.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QWidget>

namespace orbaklaw {

std::optional<std::string> WymianaZKasa::NumerZKonfiguracji(const QString& komunikat) {
    const auto plik = ZnajdzPlik(NazwaPlikuKonfiguracji);
    std::error_code ec;
    if (std::filesystem::exists(plik, ec) && !KonfiguracjaPusta(plik)) {
        if (auto numer = CzytajNumerKasy(plik))
            return numer;
        // "Nie można odczytać pliku konfig.txt"
        throw BladWejsciaWyjscia("Nie można odczytać pliku "_w1250 + plik.string());
    }
    okno_.dialogi->Komunikat(komunikat);
    okno_.pokazOknoKomunik();
    return std::nullopt;
}

uint8_t WymianaZKasa::Wywolaj(const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie) {
    // A library of the exchange's own, on a worker thread while the window
    // stays live.
    const auto kasdrv = okno_.biblioteki->NowaKasdrv();
    // The user sees the window as it stands before the register blocks it.
    okno_.okno->repaint();
    PokazanaKlepsydra klepsydra(*okno_.klepsydra);
    return wywolanie(*kasdrv);
}

} // namespace orbaklaw

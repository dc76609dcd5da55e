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
        throw BladWejsciaWyjscia("Nie można odczytać pliku "_w1250 + plik.string());
    }
    okno_.dialogi->Komunikat(komunikat);
    okno_.pokazOknoKomunik();
    return std::nullopt;
}

WymianaZKasa::~WymianaZKasa() = default;

QString WymianaZKasa::BrakKonfiguracji() {
    return QStringLiteral("Należy ustawić parametry komunikacji");
}

SesjaKasy& WymianaZKasa::Sesja(const std::string& numerKasy) {
    if (sesja_)
        return *sesja_;
    // The calls run on a worker thread while the window stays live; the
    // user sees the window as it stands before the register blocks it.
    kasdrv_ = okno_.biblioteki->NowaKasdrv();
    kasdrv_->UstawWykonawce([this, wykonawca = kasdrv_->Wykonawca()](
                                OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie) {
        okno_.okno->repaint();
        PokazanaKlepsydra klepsydra(*okno_.klepsydra);
        return Wykonaj(wykonawca, operacja, wywolanie);
    });
    sesja_ = std::make_unique<SesjaKasy>(*kasdrv_, ".", numerKasy);
    return *sesja_;
}

} // namespace orbaklaw

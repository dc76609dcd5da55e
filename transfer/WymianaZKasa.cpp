#include "transfer/WymianaZKasa.h"

#include "comm/BibliotekiKasy.h"
#include "comm/ZapisanaKonfiguracja.h"
#include "state/StanProgramu.h"
#include "ui/Dialogi.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QWidget>

namespace orbaklaw {

Wynik<std::optional<std::string>, BladWejsciaWyjscia>
WymianaZKasa::NumerZKonfiguracji(const QString& komunikat) {
    auto numer = NumerZapisanejKasy();
    if (numer && !*numer) {
        okno_.dialogi->Komunikat(komunikat);
        okno_.pokazOknoKomunik();
    }
    return numer;
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
    sesja_ = std::make_unique<SesjaKasy>(*kasdrv_, ".", numerKasy, okno_.stan->KodBledu);
    return *sesja_;
}

} // namespace orbaklaw

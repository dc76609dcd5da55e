#include "keys/ZatwierdzenieDefinicji.h"

#include "format/ListyWyboru.h"
#include "keys/KomunikatyPanelu.h"
#include "keys/Kwota.h"
#include "keys/LimitPlatnosci.h"
#include "keys/OdczytKwoty.h"
#include "keys/OpisKlawiszy.h"
#include "keys/PanelDefinicji.h"
#include "keys/StanKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace orbaklaw {

ZatwierdzenieDefinicji::ZatwierdzenieDefinicji(PanelDefinicji& panel, const GrupaRadiowa& rgAlty,
                                               WyborKlawisza& wybor, OpisKlawiszy& opis,
                                               Dialogi& dialogi, StanKlawiszy& stan)
    : panel_(panel), rgAlty_(rgAlty), wybor_(wybor), opis_(opis), dialogi_(dialogi), stan_(&stan) {}

void ZatwierdzenieDefinicji::Button5Click() {
    const int wariant = rgAlty_.ItemIndex();
    const int nr = wybor_.WybranaPozycja();
    auto& tablice = stan_->tablice;
    // A ninth counted payment is refused whole: the key keeps what it had.
    if (panel_.rgDefinicja->ItemIndex() == Platnosc && PlatnoscPonadLimit(tablice, wariant, nr)) {
        dialogi_.Ostrzezenie(Z1250(KomunikatLimituPlatnosci()));
        wybor_.PokazKlawisz(nr);
        return;
    }
    const auto definicja = ZbudujDefinicje();
    if (!definicja)
        return;
    if (DefinicjaKlawisza* slot = tablice.Slot(wariant, nr))
        *slot = *definicja;
    wybor_.OdswiezZnaczniki(nr);
    opis_.OpiszKlawisze(false);
}

std::optional<DefinicjaKlawisza> ZatwierdzenieDefinicji::ZbudujDefinicje() {
    DefinicjaKlawisza d;
    d.Rodzaj = static_cast<uint8_t>(panel_.rgDefinicja->ItemIndex());
    const char* brak = nullptr;
    if (d.Rodzaj == Towar) {
        const int towar = panel_.cbTowary->currentIndex();
        brak = towar < 0 ? KomunikatBrakTowaru() : nullptr;
        d.NrTowaru = static_cast<uint16_t>(towar + 1);
        d.Pojedynczo = panel_.cbPojedynczo->isChecked() ? 1 : 0;
        d.Zaplata = panel_.cbZaplata->isChecked() ? 1 : 0;
        d.Paragon = panel_.cbParagon->isChecked() ? 1 : 0;
    } else if (d.Rodzaj == Funkcja) {
        const int funkcja = panel_.cbFunkcja->currentIndex();
        brak = funkcja < 0 ? KomunikatBrakFunkcji() : nullptr;
        d.Numer = static_cast<uint8_t>(funkcja + 1);
    } else if (d.Rodzaj == Platnosc) {
        const int platnosc = panel_.cbPlatnosc->currentIndex();
        if (platnosc < 0) {
            brak = KomunikatBrakPlatnosci();
        } else {
            d.Numer = NumerPlatnosci(platnosc);
            const auto kwota = Kwota();
            if (!kwota)
                return std::nullopt;
            d.Kwota = *kwota;
        }
    }
    if (brak != nullptr) {
        dialogi_.Komunikat(Z1250(brak));
        return std::nullopt;
    }
    return d;
}

std::optional<int64_t> ZatwierdzenieDefinicji::Kwota() {
    const auto grosze = KwotaWGroszach(Do1250(panel_.Edit10->text()));
    if (grosze && *grosze <= NajwiekszaKwota)
        return *grosze;
    dialogi_.Komunikat(Z1250(KomunikatKwoty()));
    panel_.Edit10->setFocus(Qt::OtherFocusReason);
    // No number at all is stored as 0; an amount the definition file can't
    // hold is refused, so that the key never holds one.
    if (grosze)
        return std::nullopt;
    return 0;
}

} // namespace orbaklaw

#include "keys/OpisKlawiszy.h"

#include "appearance/EtykietyKlawiszy.h"
#include "appearance/PoleNaKlawiszu.h"
#include "format/KodyKlawiszy.h"
#include "keys/NazwaDefinicji.h"
#include "keys/PanelDefinicji.h"
#include "keys/StanKlawiszy.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QComboBox>

namespace orbaklaw {

namespace {
constexpr int DlugoscNazwyF = 6;
constexpr int DlugoscNazwyCyfry = 3;

std::vector<std::string> PozycjeWyboru(const QComboBox* wybor) {
    std::vector<std::string> pozycje;
    for (int i = 0; i < wybor->count(); ++i)
        pozycje.push_back(Do1250(wybor->itemText(i)));
    return pozycje;
}

void Obetnij(PoleNaKlawiszu* pole, int limit, int dlugosc) {
    if (pole->text().isEmpty())
        return;
    pole->UstawLimit(limit);
    pole->setText(pole->text().left(dlugosc));
}
} // namespace

OpisKlawiszy::OpisKlawiszy(EtykietyKlawiszy& etykiety, const GrupaRadiowa& rgAlty,
                           const PanelDefinicji& panel, const StanKlawiszy& stan)
    : etykiety_(etykiety), rgAlty_(rgAlty), panel_(panel), stan_(&stan) {}

void OpisKlawiszy::OpiszKlawisze(bool nadpisz) {
    OpiszKlawiszeF(nadpisz);
    const int wariant = rgAlty_.ItemIndex();
    if (wariant != Bezp)
        OpiszCyfry(nadpisz, wariant);
}

// The plain function keys, whatever variant is shown.
void OpisKlawiszy::OpiszKlawiszeF(bool nadpisz) {
    const auto funkcje = PozycjeWyboru(panel_.cbFunkcja);
    const auto platnosci = PozycjeWyboru(panel_.cbPlatnosc);
    const auto& stan = *stan_;
    for (int nr = 0; nr <= 8; ++nr) {
        auto* pole = etykiety_.Pierwsza(nr);
        if (!nadpisz && !pole->text().isEmpty())
            continue;
        const auto& d = stan.tablice.KlawiszeBezp[static_cast<size_t>(nr)];
        pole->show();
        pole->setText(Z1250(NazwaDefinicji(d, stan.towary, funkcje, platnosci)));
        Obetnij(pole, LimitEtykietyF, DlugoscNazwyF);
    }
}

void OpisKlawiszy::OpiszCyfry(bool nadpisz, int wariant) {
    const auto funkcje = PozycjeWyboru(panel_.cbFunkcja);
    const auto platnosci = PozycjeWyboru(panel_.cbPlatnosc);
    const auto& stan = *stan_;
    for (int nr = 9; nr < LiczbaPozycji; ++nr) {
        const DefinicjaKlawisza* d = stan.tablice.Slot(wariant, nr);
        if (d == nullptr) // digit 0 outside "LEWY+PRAWY ALT"
            continue;
        auto* pole = etykiety_.Pierwsza(nr);
        if (!nadpisz && !pole->text().isEmpty())
            continue;
        if (d->Rodzaj == Niezdefiniowany) {
            pole->hide(); // the text stays and shows again with the fields
        } else {
            pole->show();
            pole->setText(Z1250(NazwaDefinicji(*d, stan.towary, funkcje, platnosci)));
        }
        Obetnij(pole, LimitEtykietyCyfry, DlugoscNazwyCyfry);
    }
}

} // namespace orbaklaw

#include "keys/WyborKlawisza.h"

#include "appearance/EtykietyKlawiszy.h"
#include "appearance/PoleNaKlawiszu.h"
#include "appearance/WidokKlawiatury.h"
#include "format/KodyKlawiszy.h"
#include "format/ListyWyboru.h"
#include "keys/ObszaryKlawiszy.h"
#include "keys/PanelDefinicji.h"
#include "keys/StanKlawiszy.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

#include <QLabel>
#include <QPushButton>

namespace orbaklaw {

WyborKlawisza::WyborKlawisza(EtykietyKlawiszy& etykiety, GrupaRadiowa& rgAlty,
                             PanelDefinicji& panel, WidokKlawiatury& iWkladka, StanKlawiszy& stan)
    : etykiety_(etykiety), rgAlty_(rgAlty), panel_(panel), iWkladka_(iWkladka), stan_(&stan) {}

void WyborKlawisza::iWkladkaMouseDown(QPoint punkt) {
    panel_.Klawisz->clear();
    MiejscaPierwszychLinii miejsca{};
    for (int nr = 0; nr < LiczbaPozycji; ++nr) {
        const QRect r = etykiety_.Pierwsza(nr)->geometry();
        miejsca[static_cast<size_t>(nr)] = {r.x(), r.y(), r.width(), r.height()};
    }
    const auto nr = KlawiszWPunkcie(miejsca, punkt.x(), punkt.y());
    if (nr) {
        PokazKlawisz(*nr);
        if (*nr == 9 && rgAlty_.ItemIndex() != ObaAlt)
            BezKlawisza();
    } else {
        BezKlawisza();
    }
    iWkladka_.show();
}

void WyborKlawisza::BezKlawisza() {
    panel_.rgDefinicja->UstawItemIndex(0);
    panel_.UkryjZatwierdzanie();
}

void WyborKlawisza::PoleWejscie(int nr) {
    PokazKlawisz(nr);
}

void WyborKlawisza::rgAltyClick() {
    WybierzF1();
}

void WyborKlawisza::WybierzF1() {
    const auto* edit1 = etykiety_.Pierwsza(0);
    iWkladkaMouseDown(QPoint(edit1->x(), edit1->y()));
}

void WyborKlawisza::PokazKlawisz(int nr) {
    const int wariant = rgAlty_.ItemIndex();
    auto& stan = *stan_;
    panel_.PokazZatwierdzanie();
    const bool maSlot = MiejsceNaKlawiaturze(wariant, nr).has_value();
    panel_.Klawisz->setText(maSlot ? Z1250(NazwaKlawisza(wariant, nr)) : QString());
    panel_.Klawisz->adjustSize();
    if (nr != stan.OstatniKlawisz) {
        panel_.WyczyscPanel();
        stan.OstatniKlawisz = static_cast<uint8_t>(nr);
    }
    panel_.lKlawisz->setText(QString::number(nr));
    const DefinicjaKlawisza* slot = stan.tablice.Slot(wariant, nr);
    panel_.PokazDefinicje(slot ? *slot : DefinicjaKlawisza{});
    if (panel_.Klawisz->text().isEmpty())
        panel_.UkryjZatwierdzanie();
}

int WyborKlawisza::WybranaPozycja() const {
    bool ok = false;
    const int nr = panel_.lKlawisz->text().toInt(&ok);
    return ok ? nr : -1;
}

} // namespace orbaklaw

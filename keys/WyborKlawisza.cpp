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

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <optional>
#include <vector>

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
        OdswiezZnaczniki(-1);
    }
    iWkladka_.show();
}

void WyborKlawisza::BezKlawisza() {
    panel_.rgDefinicja->UstawItemIndex(0);
    panel_.UkryjZatwierdzanie();
}

void WyborKlawisza::PoleWejscie(int nr) {
    if (wejscie_)
        return; // the field taking the focus back
    QWidget* pole = QApplication::focusWidget();
    wejscie_ = true;
    PokazKlawisz(nr);
    // Showing the key's definition focuses its chooser; the line the user
    // entered keeps the focus, so that what is typed next goes into it.
    if (pole != nullptr && QApplication::focusWidget() != pole)
        pole->setFocus(Qt::OtherFocusReason);
    wejscie_ = false;
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
    OdswiezZnaczniki(maSlot ? nr : -1);
}

void WyborKlawisza::OdswiezZnaczniki(int wybrany) {
    // Goods, function and payment keys each in a colour of their own.
    static const std::array<QColor, 4> kolory{QColor(), QColor(0, 150, 0), QColor(0, 90, 220),
                                              QColor(220, 120, 0)};
    const int wariant = rgAlty_.ItemIndex();
    std::vector<ZnacznikKlawisza> znaczniki;
    std::optional<QRect> obszarWybranego;
    for (int nr = 0; nr < LiczbaPozycji; ++nr) {
        const QRect pole = etykiety_.Pierwsza(nr)->geometry();
        const QRect obszar(pole.x(), pole.y(), pole.width(), pole.height() * 2);
        if (nr == wybrany)
            obszarWybranego = obszar;
        const DefinicjaKlawisza* d = stan_->tablice.Slot(wariant, nr);
        if (d != nullptr && d->Rodzaj >= Towar && d->Rodzaj <= Platnosc)
            znaczniki.push_back({obszar, kolory[d->Rodzaj]});
    }
    iWkladka_.UstawZnaczniki(std::move(znaczniki), obszarWybranego);
}

int WyborKlawisza::WybranaPozycja() const {
    bool ok = false;
    const int nr = panel_.lKlawisz->text().toInt(&ok);
    return ok ? nr : -1;
}

} // namespace orbaklaw

#include "appearance/DopasowanieEtykiet.h"

#include "appearance/EtykietyKlawiszy.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/PoleNaKlawiszu.h"
#include "appearance/WidokKlawiatury.h"

#include <QEvent>

namespace orbaklaw {

DopasowanieEtykiet::DopasowanieEtykiet(const EtykietyKlawiszy& etykiety,
                                       WidokKlawiatury& klawiatura, QObject* rodzic)
    : QObject(rodzic), etykiety_(etykiety), klawiatura_(klawiatura) {
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        PoleNaKlawiszu* pole = etykiety_.Pole(i);
        connect(pole, &QLineEdit::textChanged, this, [this, i] {
            Sprawdz(i);
            PokazZnaczniki();
        });
        pole->installEventFilter(this);
    }
    SprawdzWszystkie();
}

bool DopasowanieEtykiet::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    const auto rodzaj = zdarzenie->type();
    if (rodzaj == QEvent::ShowToParent || rodzaj == QEvent::HideToParent) {
        PokazZnaczniki();
    } else if (rodzaj == QEvent::FontChange && obiekt == etykiety_.Pole(0)) {
        // The insert draws every label in the font of Edit1.
        SprawdzWszystkie();
    }
    return false;
}

void DopasowanieEtykiet::SprawdzWszystkie() {
    for (int i = 0; i < LiczbaPolEtykiet; ++i)
        Sprawdz(i);
    PokazZnaczniki();
}

void DopasowanieEtykiet::Sprawdz(int indeks) {
    PoleNaKlawiszu* pole = etykiety_.Pole(indeks);
    const PoleNaKlawiszu* edit1 = etykiety_.Pole(0);
    const auto d = DopasujEtykiete(PolaEtykiet()[static_cast<size_t>(indeks)], pole->text(),
                                   klawiatura_.size(), edit1->font(), edit1->logicalDpiY());
    zaDlugie_[static_cast<size_t>(indeks)] = !d.miesciSie;
    pole->setToolTip(d.miesciSie ? QString()
                                 : QStringLiteral("Ten tekst nie mieści się na klawiszu wkładki i "
                                                  "zostanie obcięty: wydrukuje się „%1”.")
                                       .arg(d.widoczne));
}

void DopasowanieEtykiet::PokazZnaczniki() {
    std::vector<QRect> pola;
    for (int i = 0; i < LiczbaPolEtykiet; ++i) {
        const PoleNaKlawiszu* pole = etykiety_.Pole(i);
        if (zaDlugie_[static_cast<size_t>(i)] && !pole->isHidden())
            pola.push_back(pole->geometry());
    }
    klawiatura_.UstawZaDlugie(std::move(pola));
}

} // namespace orbaklaw

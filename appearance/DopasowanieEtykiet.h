#pragma once
// Watches the label fields and marks those whose texts the insert would cut:
// a red bar beside the field on the keyboard picture and a hint on the field
// that says what of the text prints. Hidden fields, which the insert leaves
// out, are not marked. Nothing of this reaches the insert.

#include "appearance/PolaEtykiet.h"

#include <QObject>

#include <array>

namespace orbaklaw {

class EtykietyKlawiszy;
class WidokKlawiatury;

class DopasowanieEtykiet : public QObject {
    Q_OBJECT

public:
    DopasowanieEtykiet(const EtykietyKlawiszy& etykiety, WidokKlawiatury& klawiatura,
                       QObject* rodzic);

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void Sprawdz(int indeks);
    void SprawdzWszystkie();
    void PokazZnaczniki();

    const EtykietyKlawiszy& etykiety_;
    WidokKlawiatury& klawiatura_;
    std::array<bool, LiczbaPolEtykiet> zaDlugie_{};
};

} // namespace orbaklaw

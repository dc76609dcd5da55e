#pragma once
// Choosing the key the panel works on: by a press on the keyboard picture,
// by entering a label field, or by changing the ALT variant.

#include <QPoint>

namespace orbaklaw {

class EtykietyKlawiszy;
class GrupaRadiowa;
class PanelDefinicji;
class WidokKlawiatury;
struct StanKlawiszy;

class WyborKlawisza {
public:
    WyborKlawisza(EtykietyKlawiszy& etykiety, GrupaRadiowa& rgAlty, PanelDefinicji& panel,
                  WidokKlawiatury& iWkladka, StanKlawiszy& stan);

    // Any button; the key areas follow the first-line fields as they stand now.
    void iWkladkaMouseDown(QPoint punkt);
    // The focus action of both label fields of key `nr`; the field keeps
    // the focus.
    void PoleWejscie(int nr);
    void rgAltyClick();
    // A press at the top-left corner of Edit1: F1 of the variant shown.
    void WybierzF1();

    void PokazKlawisz(int nr);

    // The position in lKlawisz (what "Zatwierdź" stores into); -1 before any.
    int WybranaPozycja() const;
    // The marks of the defined keys of the variant shown, and the outline of
    // position `wybrany` (-1: none).
    void OdswiezZnaczniki(int wybrany);

private:
    void BezKlawisza();

    EtykietyKlawiszy& etykiety_;
    GrupaRadiowa& rgAlty_;
    PanelDefinicji& panel_;
    WidokKlawiatury& iWkladka_;
    StanKlawiszy* stan_;
    bool wejscie_ = false;
};

} // namespace orbaklaw

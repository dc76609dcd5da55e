#pragma once
// Writes the names of the defined keys into their first-line label fields.

namespace orbaklaw {

class EtykietyKlawiszy;
class GrupaRadiowa;
class PanelDefinicji;
struct StanKlawiszy;

class OpisKlawiszy {
public:
    OpisKlawiszy(EtykietyKlawiszy& etykiety, const GrupaRadiowa& rgAlty,
                 const PanelDefinicji& panel, const StanKlawiszy& stan);

    // With `nadpisz` off only empty fields are filled. Names are cut to 6
    // characters on function keys and 3 on digits; the user's clipboard is
    // left alone.
    void OpiszKlawisze(bool nadpisz);

private:
    void OpiszKlawiszeF(bool nadpisz);
    void OpiszCyfry(bool nadpisz, int wariant);

    EtykietyKlawiszy& etykiety_;
    const GrupaRadiowa& rgAlty_;
    const PanelDefinicji& panel_;
    const StanKlawiszy* stan_;
};

} // namespace orbaklaw

#pragma once
// "Zatwierdź": builds the definition from the panel and stores it in the
// chosen key's slot.

#include "format/DefinicjaKlawisza.h"

#include <cstdint>
#include <optional>

namespace orbaklaw {

class Dialogi;
class GrupaRadiowa;
class OpisKlawiszy;
class PanelDefinicji;
class WyborKlawisza;
struct StanKlawiszy;

class ZatwierdzenieDefinicji {
public:
    ZatwierdzenieDefinicji(PanelDefinicji& panel, const GrupaRadiowa& rgAlty, WyborKlawisza& wybor,
                           OpisKlawiszy& opis, Dialogi& dialogi, StanKlawiszy& stan);

    void Button5Click();

private:
    // None when a chooser the kind needs has no item chosen (the user has
    // been told which).
    std::optional<DefinicjaKlawisza> ZbudujDefinicje();
    // The amount in grosze: 0 when the field holds no number, none when it
    // holds more than a definition file can (the user has been told).
    std::optional<int64_t> Kwota();

    PanelDefinicji& panel_;
    const GrupaRadiowa& rgAlty_;
    WyborKlawisza& wybor_;
    OpisKlawiszy& opis_;
    Dialogi& dialogi_;
    StanKlawiszy* stan_;
};

} // namespace orbaklaw

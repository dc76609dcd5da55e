#include "drivers/kasdrv/KonfiguracjaKasy.h"

#include "drivers/kasdrv/kasdrv_kody.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw::kasdrv {

WynikKonfiguracji KonfiguracjaKasy(int numer) {
    std::vector<std::string> linie;
    try {
        linie = CzytajLinie(ZnajdzPlik(NazwaPlikuKonfiguracji), GranicePlikuKonfiguracji);
    } catch (const BladWejsciaWyjscia&) {
        return {KASDRV_BRAK_KONFIGURACJI, {}};
    }
    bool jestLinia = false;
    std::optional<WynikKonfiguracji> znaleziony;
    for (const auto& linia : linie) {
        if (linia.empty())
            continue;
        jestLinia = true;
        auto wynik = ParsujLinieKonfiguracji(linia);
        if (wynik.kod != 0)
            return wynik;
        if (wynik.wpis.numerKasy == numer && !znaleziony)
            znaleziony = wynik;
    }
    if (!jestLinia)
        return {KASDRV_NIEKOMPLETNA_KONFIGURACJA, {}};
    return znaleziony ? *znaleziony : WynikKonfiguracji{KASDRV_BRAK_SKOJARZENIA, {}};
}

} // namespace orbaklaw::kasdrv

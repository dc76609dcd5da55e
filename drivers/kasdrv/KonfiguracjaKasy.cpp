#include "drivers/kasdrv/KonfiguracjaKasy.h"

#include "transfer/PlikTekstowy.h"

namespace orbaklaw::kasdrv {

WynikKonfiguracji KonfiguracjaKasy(int numer) {
    std::vector<std::string> linie;
    try {
        linie = CzytajLinie(ZnajdzPlik(NazwaPlikuKonfiguracji), GranicePlikuKonfiguracji);
    } catch (const BladWejsciaWyjscia&) {
        return {KodBrakKonfiguracji, {}};
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
        return {KodNiekompletnaKonfiguracja, {}};
    return znaleziony ? *znaleziony : WynikKonfiguracji{KodBrakSkojarzenia, {}};
}

} // namespace orbaklaw::kasdrv

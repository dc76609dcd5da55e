#include "drivers/kasdrv/KonfiguracjaKasy.h"

#include "files/PlikTekstowy.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::kasdrv {

WynikKonfiguracji KonfiguracjaKasy(int numer) {
    std::vector<std::string> linie;
    try {
        linie = CzytajLinie(ZnajdzPlik(NazwaPlikuKonfiguracji), GranicePlikuKonfiguracji);
    } catch (const BladWejsciaWyjscia&) {
        return {KASDRV_BRAK_KONFIGURACJI, {}};
    }
    return orbaklaw::KonfiguracjaKasy(linie, numer);
}

} // namespace orbaklaw::kasdrv

#include "drivers/kasdrv/KonfiguracjaKasy.h"

#include "files/PlikTekstowy.h"
#include "orbaklaw/kasdrv_kody.h"

namespace orbaklaw::kasdrv {

WynikKonfiguracji KonfiguracjaKasy(int numer) {
    return OcenPlikKonfiguracji(ZnajdzPlik(NazwaPlikuKonfiguracji), numer);
}

} // namespace orbaklaw::kasdrv

#include "app/Uruchomienie.h"

#include "app/Stan.h"
#include "app/Unit3.h"
#include "comm/SterownikKomunikacji.h"

namespace orbaklaw {

int UruchomPoOknieGlownym(TForm3& okno, const std::function<int()>& petlaKomunikatow) {
    okno.Komunikacja().UtworzOknoKomunik();
    if (Stan().ZapytanieStartowe) {
        Stan().ZapytanieStartowe = false;
        okno.AkcjeOkna().Wykonaj([&okno] { okno.Komunikacja().OdczytStartowy(); });
    }
    return petlaKomunikatow();
}

} // namespace orbaklaw

#include "app/Uruchomienie.h"

#include "app/Unit3.h"
#include "comm/PolaczenieZKasa.h"
#include "state/Stan.h"
#include "transfer/TransferDefinicji.h"

namespace orbaklaw {

int UruchomPoOknieGlownym(TForm3& okno, const std::function<int()>& petlaKomunikatow) {
    okno.Komunikacja().UtworzOknoKomunik();
    if (Stan().ZapytanieStartowe) {
        Stan().ZapytanieStartowe = false;
        okno.AkcjeOkna().Wykonaj([&okno] { okno.Transfer().OdczytStartowy(); });
    }
    // "Tak" in the error handler closed the window before the loop began;
    // Qt ends the loop on the last window's close only once it runs, so the
    // program ends here.
    if (!okno.isVisible())
        return 0;
    return petlaKomunikatow();
}

} // namespace orbaklaw

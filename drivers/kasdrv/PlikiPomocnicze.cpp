#include "drivers/kasdrv/PlikiPomocnicze.h"

#include "drivers/kasdrv/NazwyPlikowBiblioteki.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw::kasdrv {

// Files still open are dropped: their targets stay as they were.
PlikiPomocnicze::~PlikiPomocnicze() = default;

int32_t PlikiPomocnicze::Otworz(const std::string& nazwa, int32_t tryb) {
    if (tryb != 1 || nazwa.empty())
        return 0;
    std::lock_guard lock(mutex_);
    if (nastepny_ <= 0)
        return 0;
    Otwarty o;
    o.zapis = std::make_unique<ZapisAtomowy>(PlikNaDysku(nazwa));
    if (!o.zapis->Otworz())
        return 0;
    const int32_t uchwyt = nastepny_++;
    otwarte_[uchwyt] = std::move(o);
    return uchwyt;
}

bool PlikiPomocnicze::ZapiszLinie(int32_t uchwyt, const std::string* linia) {
    std::lock_guard lock(mutex_);
    auto it = otwarte_.find(uchwyt);
    if (it == otwarte_.end())
        return false;
    Otwarty& o = it->second;
    if (!linia)
        o.blad = true;
    if (o.blad)
        return false;
    if (!o.zapis->Dopisz(*linia + "\r\n"))
        o.blad = true;
    return !o.blad;
}

bool PlikiPomocnicze::Zamknij(int32_t uchwyt) {
    std::lock_guard lock(mutex_);
    auto it = otwarte_.find(uchwyt);
    if (it == otwarte_.end())
        return false;
    Otwarty o = std::move(it->second);
    otwarte_.erase(it);
    if (o.blad)
        return false;
    return o.zapis->Zatwierdz().Udany();
}

} // namespace orbaklaw::kasdrv

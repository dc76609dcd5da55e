#include "files/BladWejsciaWyjscia.h"

#include "files/BladSystemu.h"
#include "platform/KodowanieSciezek.h"

namespace orbaklaw {

BladWejsciaWyjscia::BladWejsciaWyjscia(const std::filesystem::path& sciezka,
                                       const std::string& powod)
    : komunikat_(platform::BajtySciezki(sciezka) + ": " + powod),
      sciezka_(platform::BajtySciezki(sciezka)), powod_(powod) {}

BladWejsciaWyjscia BladWejsciaWyjscia::PlikOdrzucony(const std::filesystem::path& sciezka) {
    BladWejsciaWyjscia blad(sciezka, OpisZaDuzegoPliku());
    blad.odrzucony_ = true;
    return blad;
}

} // namespace orbaklaw

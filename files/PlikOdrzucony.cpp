#include "files/PlikOdrzucony.h"

#include "files/BladSystemu.h"

namespace orbaklaw {

PlikOdrzucony::PlikOdrzucony(const std::filesystem::path& sciezka)
    : BladWejsciaWyjscia(sciezka, OpisZaDuzegoPliku()) {}

} // namespace orbaklaw

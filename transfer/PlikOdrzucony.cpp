#include "transfer/PlikOdrzucony.h"

#include "transfer/BladSystemu.h"

namespace orbaklaw {

PlikOdrzucony::PlikOdrzucony(const std::filesystem::path& sciezka)
    : BladWejsciaWyjscia(sciezka, OpisZaDuzegoPliku()) {}

} // namespace orbaklaw

#include "state/Stan.h"

#include <memory>

namespace orbaklaw {

namespace {
std::unique_ptr<StanProgramu>& Wskaznik() {
    static std::unique_ptr<StanProgramu> stan;
    return stan;
}
} // namespace

StanProgramu& Stan() {
    auto& stan = Wskaznik();
    if (!stan)
        stan = std::make_unique<StanProgramu>();
    return *stan;
}

void NowyStan() {
    Stan() = StanProgramu{};
}

} // namespace orbaklaw

#include "keys/ObszaryKlawiszy.h"

namespace orbaklaw {

namespace {
bool WObszarze(const ProstokatPola& p, bool cyfra, int x, int y) {
    const int lewa = cyfra ? p.left - p.width : p.left;
    return x >= lewa && x <= p.left + p.width && y >= p.top && y <= p.top + 2 * p.height;
}
} // namespace

MiejscaPierwszychLinii UkladPierwszychLinii() {
    MiejscaPierwszychLinii miejsca{};
    for (const auto& pole : PolaEtykiet())
        if (!pole.drugaLinia)
            miejsca[static_cast<size_t>(pole.nrKlawisza)] = pole.miejsce;
    return miejsca;
}

std::optional<int> KlawiszWPunkcie(const MiejscaPierwszychLinii& pola, int x, int y) {
    for (int nr = 0; nr < 19; ++nr)
        if (WObszarze(pola[static_cast<size_t>(nr)], nr >= 9, x, y))
            return nr;
    return std::nullopt;
}

} // namespace orbaklaw

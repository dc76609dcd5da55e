#include "comm/BuforTekstu.h"

#include <algorithm>

namespace orbaklaw {

std::optional<BuforTekstu> KonwNaBufor(std::string_view tekst) {
    if (tekst.size() >= RozmiarBufora)
        return std::nullopt;
    BuforTekstu bufor{};
    std::copy(tekst.begin(), tekst.end(), bufor.begin());
    return bufor;
}

} // namespace orbaklaw

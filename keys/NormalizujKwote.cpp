#include "keys/NormalizujKwote.h"

#include <algorithm>

namespace orbaklaw {

namespace {
bool Separator(char c) {
    return c == '.' || c == ',';
}
} // namespace

std::optional<std::string> NormalizujKwote(const std::string& s) {
    std::string t = s;
    if (std::count_if(t.begin(), t.end(), Separator) >= 2)
        return std::nullopt;
    for (char c : t)
        if (!Separator(c) && (c < '0' || c > '9'))
            return std::nullopt;
    const auto sep = std::find_if(t.begin(), t.end(), Separator);
    if (sep == t.end())
        return t + ",00";
    const auto poSeparatorze = t.end() - sep - 1;
    *sep = ',';
    if (poSeparatorze == 1)
        return t + "0";
    if (poSeparatorze == 2)
        return t;
    return std::nullopt;
}

} // namespace orbaklaw

#include "files/WezArgument.h"

namespace orbaklaw {

std::string WezArgument(int n, std::string_view linia) {
    size_t i = 0;
    for (int k = 1; i < linia.size() && k < n; ++k) {
        size_t tab = linia.find('\t', i);
        i = tab == std::string_view::npos ? linia.size() + 1 : tab + 1;
    }
    if (i >= linia.size())
        return {};
    return std::string(linia.substr(i, linia.find('\t', i) - i));
}

bool WezPole(std::string_view tekst, int n, char separator, std::string& pole) {
    pole.clear();
    if (n <= 0)
        return false;
    size_t poczatek = 0;
    for (int k = 1; k < n; ++k) {
        size_t sep = tekst.find(separator, poczatek);
        if (sep == std::string_view::npos)
            return false;
        poczatek = sep + 1;
    }
    if (poczatek > tekst.size())
        return false;
    size_t koniec = tekst.find(separator, poczatek);
    pole = std::string(tekst.substr(
        poczatek, koniec == std::string_view::npos ? std::string_view::npos : koniec - poczatek));
    return !pole.empty();
}

bool WezPoleTab(std::string_view tekst, int n, std::string& pole) {
    return WezPole(tekst, n, '\t', pole);
}

} // namespace orbaklaw

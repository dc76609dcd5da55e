#include "app/UzupelnienieTlumaczenia.h"

#include <cstring>

namespace orbaklaw {

namespace {
struct Tlumaczenie {
    const char* kontekst;
    const char* tekst;
    const char* polski; // UTF-8
};

// The print dialog's page range and double-sided printing, as Qt 6 names them.
constexpr Tlumaczenie Brakujace[] = {
    {"QPrintSettingsOutput", "Pages", "Strony"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Druk dwustronny"},
    {"QPrintSettingsOutput", "Off", "Wyłączony"},
    {"QPrintSettingsOutput", "Long side binding", "Łączenie wzdłuż dłuższej krawędzi"},
    {"QPrintSettingsOutput", "Short side binding", "Łączenie wzdłuż krótszej krawędzi"},
};
} // namespace

QString UzupelnienieTlumaczenia::translate(const char* kontekst, const char* tekst, const char*,
                                           int) const {
    if (kontekst == nullptr || tekst == nullptr)
        return {};
    for (const Tlumaczenie& t : Brakujace)
        if (std::strcmp(t.kontekst, kontekst) == 0 && std::strcmp(t.tekst, tekst) == 0)
            return QString::fromUtf8(t.polski);
    return {};
}

} // namespace orbaklaw

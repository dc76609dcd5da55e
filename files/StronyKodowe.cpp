#include "files/StronyKodowe.h"

namespace orbaklaw {

namespace {

void DopiszUtf8(std::string& wynik, char32_t znak) {
    if (znak < 0x80) {
        wynik += static_cast<char>(znak);
    } else if (znak < 0x800) {
        wynik += static_cast<char>(0xC0 | (znak >> 6));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        wynik += static_cast<char>(0xE0 | (znak >> 12));
        wynik += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

// The next character of `utf8` from `i` on; false for broken UTF-8.
bool NastepnyZnak(std::string_view utf8, std::size_t& i, char32_t& znak) {
    const auto p = static_cast<unsigned char>(utf8[i]);
    const std::size_t dlugosc = p < 0x80 ? 1 : p >= 0xF0 ? 4 : p >= 0xE0 ? 3 : p >= 0xC0 ? 2 : 0;
    if (dlugosc == 0 || i + dlugosc > utf8.size())
        return false;
    znak = dlugosc == 1 ? p : static_cast<char32_t>(p & (0x7F >> dlugosc));
    for (std::size_t k = 1; k < dlugosc; ++k) {
        const auto c = static_cast<unsigned char>(utf8[i + k]);
        if ((c & 0xC0) != 0x80)
            return false;
        znak = (znak << 6) | (c & 0x3F);
    }
    i += dlugosc;
    return true;
}

} // namespace

std::string Utf8ZeStrony(const TablicaStrony& strona, std::string_view bajty) {
    std::string wynik;
    wynik.reserve(bajty.size() * 2);
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t znak = b < 0x80 ? b : strona[b - 0x80];
        DopiszUtf8(wynik, znak == 0 ? U'\uFFFD' : znak);
    }
    return wynik;
}

bool StronaZUtf8(const TablicaStrony& strona, std::string_view utf8, std::string& wynik) {
    std::string bajty;
    bajty.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t znak = 0;
        if (!NastepnyZnak(utf8, i, znak))
            return false;
        if (znak < 0x80) {
            bajty += static_cast<char>(znak);
            continue;
        }
        std::size_t k = 0;
        while (k < strona.size() && strona[k] != znak)
            ++k;
        if (k == strona.size())
            return false;
        bajty += static_cast<char>(0x80 + k);
    }
    wynik = std::move(bajty);
    return true;
}

} // namespace orbaklaw

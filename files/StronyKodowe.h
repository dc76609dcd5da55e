#pragma once
// The two single-byte code pages the program speaks: Windows-1250 (the
// program's own texts, its files and the window's edge) and code page 852
// (the register's texts). Texts are written in the source as people read
// them, in UTF-8, and turned into the code page's bytes when compiled:
//
//     "Błąd zapisu"_w1250    // const char*, the Windows-1250 bytes
//     "ŻÓŁTY SER"_cp852      // const char*, the code page 852 bytes
//
// A character the code page can't hold fails the build. The same tables
// turn the code pages into UTF-8 at run time (the CLI's output).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbaklaw {

using TablicaStrony = std::array<char16_t, 128>; // bytes 0x80..0xFF; 0 = unused

inline constexpr TablicaStrony Strona1250{
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

inline constexpr TablicaStrony Strona852{
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x016F, 0x0107, 0x00E7, 0x0142, 0x00EB, 0x0150, 0x0151,
    0x00EE, 0x0179, 0x00C4, 0x0106, 0x00C9, 0x0139, 0x013A, 0x00F4, 0x00F6, 0x013D, 0x013E, 0x015A,
    0x015B, 0x00D6, 0x00DC, 0x0164, 0x0165, 0x0141, 0x00D7, 0x010D, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x0104, 0x0105, 0x017D, 0x017E, 0x0118, 0x0119, 0x00AC, 0x017A, 0x010C, 0x015F, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x011A, 0x015E, 0x2563, 0x2551, 0x2557,
    0x255D, 0x017B, 0x017C, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x0102, 0x0103,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x0111, 0x0110, 0x010E, 0x00CB,
    0x010F, 0x0147, 0x00CD, 0x00CE, 0x011B, 0x2518, 0x250C, 0x2588, 0x2584, 0x0162, 0x016E, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x0143, 0x0144, 0x0148, 0x0160, 0x0161, 0x0154, 0x00DA, 0x0155, 0x0170,
    0x00FD, 0x00DD, 0x0163, 0x00B4, 0x00AD, 0x02DD, 0x02DB, 0x02C7, 0x02D8, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x02D9, 0x0171, 0x0158, 0x0159, 0x25A0, 0x00A0,
};

namespace strony {

// A UTF-8 string literal as a template argument.
template <std::size_t N> struct LiteralUtf8 {
    char znaki[N]{};
    consteval LiteralUtf8(const char (&tekst)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            znaki[i] = tekst[i];
    }
};

// Never called: reaching it at compile time makes the literal ill-formed.
void ZnakSpozaStronyKodowej();
void NiepoprawnyUtf8();

consteval char Bajt(const TablicaStrony& strona, char32_t znak) {
    if (znak < 0x80)
        return static_cast<char>(znak);
    for (std::size_t i = 0; i < strona.size(); ++i)
        if (strona[i] != 0 && strona[i] == znak)
            return static_cast<char>(0x80 + i);
    ZnakSpozaStronyKodowej();
    return 0;
}

template <std::size_t N> consteval char32_t ZnakUtf8(const char (&t)[N], std::size_t& i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char p = b(i);
    std::size_t dlugosc = p < 0x80 ? 1 : p >= 0xF0 ? 4 : p >= 0xE0 ? 3 : p >= 0xC0 ? 2 : 0;
    if (dlugosc == 0 || i + dlugosc > N)
        NiepoprawnyUtf8();
    char32_t znak = dlugosc == 1 ? p : static_cast<char32_t>(p & (0x7F >> dlugosc));
    for (std::size_t k = 1; k < dlugosc; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            NiepoprawnyUtf8();
        znak = (znak << 6) | (b(i + k) & 0x3F);
    }
    i += dlugosc;
    return znak;
}

template <std::size_t N> struct Bajty {
    char znaki[N]{};
    std::size_t dlugosc = 0;
};

template <std::size_t N>
consteval Bajty<N> Zakoduj(const TablicaStrony& strona, const char (&t)[N]) {
    Bajty<N> wynik;
    for (std::size_t i = 0; i + 1 < N;)
        wynik.znaki[wynik.dlugosc++] = Bajt(strona, ZnakUtf8(t, i));
    return wynik;
}

template <LiteralUtf8 L>
inline constexpr Bajty<sizeof(L.znaki)> W1250 = Zakoduj(Strona1250, L.znaki);
template <LiteralUtf8 L> inline constexpr Bajty<sizeof(L.znaki)> W852 = Zakoduj(Strona852, L.znaki);

} // namespace strony

template <strony::LiteralUtf8 L> constexpr const char* operator""_w1250() {
    return strony::W1250<L>.znaki;
}

template <strony::LiteralUtf8 L> constexpr const char* operator""_cp852() {
    return strony::W852<L>.znaki;
}

// Bytes of a code page as UTF-8; a byte the page leaves unused becomes U+FFFD.
std::string Utf8ZeStrony(const TablicaStrony& strona, std::string_view bajty);

// UTF-8 in the code page's bytes; false (and `wynik` untouched) when a
// character has no byte there or the UTF-8 is broken.
[[nodiscard]] bool StronaZUtf8(const TablicaStrony& strona, std::string_view utf8,
                               std::string& wynik);

} // namespace orbaklaw

#include "ui/Tekst1250.h"

#include "files/StronyKodowe.h"

namespace orbaklaw {

namespace {

// The program's own tables, not Qt's codecs: a Qt without ICU (as Qt for
// Windows usually is) knows neither code page.
QString ZeStrony(const TablicaStrony& strona, const std::string& bajty) {
    QString wynik;
    wynik.reserve(static_cast<qsizetype>(bajty.size()));
    for (const char c : bajty) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t znak = b < 0x80 ? b : strona[b - 0x80];
        wynik += QChar(znak == 0 ? u'\uFFFD' : znak);
    }
    return wynik;
}

char BajtStrony(const TablicaStrony& strona, char16_t znak) {
    if (znak < 0x80)
        return static_cast<char>(znak);
    for (std::size_t i = 0; i < strona.size(); ++i)
        if (strona[i] != 0 && strona[i] == znak)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString Z1250(const std::string& tekst) {
    return ZeStrony(Strona1250, tekst);
}

std::string Do1250(const QString& tekst) {
    std::string bajty;
    bajty.reserve(static_cast<std::size_t>(tekst.size()));
    for (const QChar znak : tekst)
        bajty += BajtStrony(Strona1250, znak.unicode());
    return bajty;
}

bool Miesci1250(const QString& tekst) {
    // A character without a byte comes back as something else.
    return Z1250(Do1250(tekst)) == tekst;
}

QString Z852(const std::string& tekst) {
    return ZeStrony(Strona852, tekst);
}

} // namespace orbaklaw

#include "cli/Komunikaty.h"
#include "files/StronyKodowe.h"

#include "cli/KodyWyjscia.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"

namespace orbaklaw::cli {

namespace {

constexpr size_t NajdluzszaPokazanaLinia = 255;

// The length of the valid UTF-8 sequence of two or more bytes at `i`, 0 if none.
size_t DlugoscUtf8(const std::string& s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    size_t n = c >= 0xC2 && c <= 0xDF   ? 2
               : c >= 0xE0 && c <= 0xEF ? 3
               : c >= 0xF0 && c <= 0xF4 ? 4
                                        : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points above U+10FFFF are not UTF-8.
    if ((c == 0xE0 && b(i + 1) < 0xA0) || (c == 0xED && b(i + 1) > 0x9F) ||
        (c == 0xF0 && b(i + 1) < 0x90) || (c == 0xF4 && b(i + 1) > 0x8F))
        return 0;
    return n;
}

} // namespace

std::string Utf8Z1250(const std::string& tekst1250) {
    return Utf8ZeStrony(Strona1250, tekst1250);
}

std::string DlaTerminala(const std::string& tekst) {
    std::string wynik;
    for (size_t i = 0; i < tekst.size();) {
        const char c = tekst[i];
        if (c == '\r' && (i + 1 >= tekst.size() || tekst[i + 1] != '\n')) {
            wynik += '\n';
            ++i;
        } else if (static_cast<unsigned char>(c) < 0x80) {
            wynik += c;
            ++i;
        } else if (size_t n = DlugoscUtf8(tekst, i); n > 0) {
            wynik.append(tekst, i, n);
            i += n;
        } else {
            wynik += Utf8Z1250(std::string(1, c));
            ++i;
        }
    }
    return wynik;
}

std::string KomunikatPliku(const BladWejsciaWyjscia& blad) {
    if (blad.Sciezka().empty())
        return DlaTerminala(blad.Komunikat());
    return blad.Sciezka() + ": " + Utf8Z1250(blad.Powod());
}

int ZglosBladPliku(std::ostream& err, const BladWejsciaWyjscia& blad) {
    err << PoczatekKomunikatu << KomunikatPliku(blad) << "\n";
    return KodBladPliku;
}

std::string LiniaWKomunikacie(const std::string& linia) {
    if (linia.size() <= NajdluzszaPokazanaLinia)
        return linia;
    return linia.substr(0, NajdluzszaPokazanaLinia) + "…";
}

std::string KomunikatKodu(uint8_t kod) {
    const std::string przycisk = "Naciśnij przycisk"_w1250;
    const std::string rada = "Sprawdź KONFIG.TXT lub opcje --config, --port, --register."_w1250;
    const std::string tekst = KomunikatBledu(kod);
    std::string wynik = "Kod " + std::to_string(kod) + ": ";
    size_t poczatek = 0;
    for (bool pierwsza = true; poczatek <= tekst.size(); pierwsza = false) {
        size_t cr = tekst.find('\r', poczatek);
        if (cr == std::string::npos)
            cr = tekst.size();
        const std::string linia = tekst.substr(poczatek, cr - poczatek);
        wynik += (pierwsza ? "" : "\r") + (linia.rfind(przycisk, 0) == 0 ? rada : linia);
        poczatek = cr + 1;
    }
    return wynik;
}

} // namespace orbaklaw::cli

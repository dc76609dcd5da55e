#include "cli/Utf8.h"

#include <iconv.h>

namespace orbaklaw::cli {

namespace {

class Konwerter {
public:
    Konwerter(const char* do_, const char* z) : cd_(iconv_open(do_, z)) {}
    ~Konwerter() {
        if (ok())
            iconv_close(cd_);
    }
    Konwerter(const Konwerter&) = delete;
    Konwerter& operator=(const Konwerter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one character's bytes; false when they have no equivalent.
    bool Znak(const char* wej, size_t dlugosc, std::string& wynik) {
        char bufor[8];
        char* we = const_cast<char*>(wej);
        char* wy = bufor;
        size_t zostalo = sizeof bufor;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd_, &we, &dlugosc, &wy, &zostalo) == static_cast<size_t>(-1))
            return false;
        wynik.append(bufor, static_cast<size_t>(wy - bufor));
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

std::string Utf8Z1250(const std::string& tekst1250) {
    Konwerter k("UTF-8", "WINDOWS-1250");
    std::string wynik;
    for (char c : tekst1250) {
        if (static_cast<unsigned char>(c) < 0x80)
            wynik += c;
        else if (!k.ok() || !k.Znak(&c, 1, wynik))
            wynik += "\357\277\275"; // U+FFFD
    }
    return wynik;
}

} // namespace orbaklaw::cli

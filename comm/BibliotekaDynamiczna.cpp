#include "comm/BibliotekaDynamiczna.h"
#include "files/StronyKodowe.h"

#include "platform/LadowanieBibliotek.h"

namespace orbaklaw {

BladBiblioteki BrakFunkcji(const std::string& funkcja, const std::string& biblioteka) {
    return BladBiblioteki("Brak funkcji " + funkcja + " w bibliotece " + biblioteka);
}

BibliotekaDynamiczna::BibliotekaDynamiczna(const std::filesystem::path& plik) : plik_(plik) {
    std::string powod;
    uchwyt_ = platform::ZaladujBiblioteke(plik, &powod);
    if (!uchwyt_)
        throw BladBiblioteki("Nie można załadować biblioteki "_w1250 + plik.string() +
                             (powod.empty() ? std::string() : ": " + powod));
}

BibliotekaDynamiczna::~BibliotekaDynamiczna() {
    platform::ZwolnijBiblioteke(uchwyt_);
}

void* BibliotekaDynamiczna::Symbol(const char* nazwa) const {
    void* adres = platform::AdresFunkcji(uchwyt_, nazwa);
    if (!adres)
        throw BrakFunkcji(nazwa, plik_.string());
    return adres;
}

void* BibliotekaDynamiczna::Opcjonalny(const char* nazwa) const {
    return platform::AdresFunkcji(uchwyt_, nazwa);
}

} // namespace orbaklaw

#include "comm/BibliotekaDynamiczna.h"
#include "files/StronyKodowe.h"

#include "platform/LadowanieBibliotek.h"

namespace orbaklaw {

BladBiblioteki BrakFunkcji(const std::string& funkcja, const std::string& biblioteka) {
    return {"Brak funkcji " + funkcja + " w bibliotece " + biblioteka};
}

ZBiblioteki<std::shared_ptr<BibliotekaDynamiczna>>
BibliotekaDynamiczna::Zaladuj(const std::filesystem::path& plik) {
    std::string powod;
    void* uchwyt = platform::ZaladujBiblioteke(plik, &powod);
    if (!uchwyt)
        return BladBiblioteki{"Nie można załadować biblioteki "_w1250 + plik.string() +
                              (powod.empty() ? std::string() : ": " + powod)};
    return std::shared_ptr<BibliotekaDynamiczna>(new BibliotekaDynamiczna(plik, uchwyt));
}

BibliotekaDynamiczna::~BibliotekaDynamiczna() {
    platform::ZwolnijBiblioteke(uchwyt_);
}

ZBiblioteki<void*> BibliotekaDynamiczna::Symbol(const char* nazwa) const {
    void* adres = platform::AdresFunkcji(uchwyt_, nazwa);
    if (!adres)
        return BrakFunkcji(nazwa, plik_.string());
    return adres;
}

void* BibliotekaDynamiczna::Opcjonalny(const char* nazwa) const {
    return platform::AdresFunkcji(uchwyt_, nazwa);
}

} // namespace orbaklaw

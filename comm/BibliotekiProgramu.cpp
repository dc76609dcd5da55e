#include "comm/BibliotekiProgramu.h"

#include "comm/FolderyProgramu.h"
#include "platform/LadowanieBibliotek.h"
#include "platform/NazwyBibliotek.h"

namespace orbaklaw {

namespace {

// The functions by which our libraries give their version.
constexpr const char* WersjaKasdrv = "kasdrv_orbaklaw";
constexpr const char* WersjaKomPort = "komport_orbaklaw";

OpisBiblioteki Opisz(const char* nazwa, const char* funkcjaWersji,
                     const std::filesystem::path& folderProgramu) {
    OpisBiblioteki opis;
    opis.nazwa = nazwa;
    opis.sciezka = SciezkaBiblioteki(nazwa, folderProgramu);
    void* biblioteka = platform::ZaladujBiblioteke(opis.sciezka, &opis.powod);
    if (!biblioteka)
        return opis;
    using Wersja = const char* (*)();
    const auto wersja = reinterpret_cast<Wersja>(platform::AdresFunkcji(biblioteka, funkcjaWersji));
    const char* tekst = wersja ? wersja() : nullptr;
    opis.rodzaj = tekst ? OpisBiblioteki::Rodzaj::Nasza : OpisBiblioteki::Rodzaj::Obca;
    if (tekst)
        opis.wersja = tekst;
    platform::ZwolnijBiblioteke(biblioteka);
    return opis;
}

} // namespace

OpisBiblioteki OpiszBibliotekeKasdrv(const std::filesystem::path& folderProgramu) {
    return Opisz(NazwaBibliotekiKasdrv, WersjaKasdrv, folderProgramu);
}

OpisBiblioteki OpiszBibliotekeKomPort(const std::filesystem::path& folderProgramu) {
    return Opisz(NazwaBibliotekiKomPort, WersjaKomPort, folderProgramu);
}

} // namespace orbaklaw

// The exported functions of libkasdrv: thin C shims over Sterownik and the
// file helpers. The two objects live as long as the library is loaded.
#include "orbaklaw/kasdrv.h"

#include "drivers/kasdrv/NazwyPlikowBiblioteki.h"
#include "drivers/kasdrv/PlikiPomocnicze.h"
#include "drivers/kasdrv/Sterownik.h"
#include "generated/WersjaProgramu.h"

#include <algorithm>
#include <cstring>

using orbaklaw::kasdrv::NazwaZBufora;

namespace {

orbaklaw::kasdrv::Sterownik& Sterownik() {
    static orbaklaw::kasdrv::Sterownik sterownik;
    return sterownik;
}

orbaklaw::kasdrv::PlikiPomocnicze& Pliki() {
    static orbaklaw::kasdrv::PlikiPomocnicze pliki;
    return pliki;
}

} // namespace

extern "C" {

uint8_t KASDRV_WYWOLANIE __ODefKlaw(const char* wejscie, const char* wyjscie) {
    return Sterownik().ODefKlaw(wejscie, wyjscie);
}

uint8_t KASDRV_WYWOLANIE __ZDefKlaw(const char* plik) {
    return Sterownik().ZDefKlaw(plik);
}

uint8_t KASDRV_WYWOLANIE __KDefKlaw(const char* plik) {
    return Sterownik().KDefKlaw(plik);
}

uint8_t KASDRV_WYWOLANIE __TowarMax(const char* wejscie, const char* wyjscie) {
    return Sterownik().TowarMax(wejscie, wyjscie);
}

uint8_t KASDRV_WYWOLANIE __OPlat(const char* wejscie, const char* wyjscie) {
    return Sterownik().OPlat(wejscie, wyjscie);
}

uint8_t KASDRV_WYWOLANIE _OtwartoPlik(int32_t* uchwyt, const char* nazwa, int32_t tryb) {
    if (!uchwyt)
        return 0;
    auto n = NazwaZBufora(nazwa);
    *uchwyt = n ? Pliki().Otworz(*n, tryb) : 0;
    return *uchwyt != 0;
}

uint8_t KASDRV_WYWOLANIE _ZapisanoDoPlikuLinie(int32_t uchwyt, const char* linia) {
    auto l = NazwaZBufora(linia);
    return Pliki().ZapiszLinie(uchwyt, l ? &*l : nullptr);
}

uint8_t KASDRV_WYWOLANIE _ZamknieciePliku(int32_t* uchwyt) {
    if (!uchwyt)
        return 0;
    const bool zamkniety = Pliki().Zamknij(*uchwyt);
    *uchwyt = 0;
    return zamkniety;
}

int KASDRV_WYWOLANIE kasdrv_postep(uint32_t* zrobione, uint32_t* oczekiwane) {
    uint32_t z = 0;
    uint32_t o = 0;
    const bool trwa = Sterownik().Postep(z, o);
    if (zrobione)
        *zrobione = z;
    if (oczekiwane)
        *oczekiwane = o;
    return trwa ? 1 : 0;
}

uint32_t KASDRV_WYWOLANIE kasdrv_opis_bledu(char* opis, uint32_t rozmiar) {
    const std::string tekst = Sterownik().OpisBledu();
    if (opis && rozmiar > 0) {
        const size_t ile = std::min<size_t>(tekst.size(), rozmiar - 1);
        std::memcpy(opis, tekst.data(), ile);
        opis[ile] = 0;
    }
    return static_cast<uint32_t>(tekst.size());
}

const char* KASDRV_WYWOLANIE kasdrv_orbaklaw(void) {
    return orbaklaw::WersjaProgramu;
}

} // extern "C"

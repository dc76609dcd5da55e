#pragma once
// One key's definition, as the register stores it and as the definition file
// carries it. Fields the kind does not use are 0 in records built by the editor.

#include <cstdint>

namespace orbaklaw {

enum RodzajDefinicji : uint8_t {
    Niezdefiniowany = 0,
    Towar = 1,
    Funkcja = 2,
    Platnosc = 3,
};

struct DefinicjaKlawisza {
    uint16_t KodKlawisza = 0; // as read; writers take the code from the code tables
    uint8_t Rodzaj = Niezdefiniowany;
    uint8_t Numer = 0;     // function number (kind 2) or payment form (kind 3)
    uint16_t NrTowaru = 0; // goods number (kind 1)
    uint8_t Pojedynczo = 0;
    uint8_t Zaplata = 0;
    uint8_t Paragon = 0;
    int64_t Kwota = 0; // grosze (kind 3)

    bool operator==(const DefinicjaKlawisza&) const = default;
};

// What a definition means: its code, its kind and the fields of that kind;
// every field the kind does not use is 0.
inline DefinicjaKlawisza PolaRodzaju(const DefinicjaKlawisza& d) {
    DefinicjaKlawisza w;
    w.KodKlawisza = d.KodKlawisza;
    w.Rodzaj = d.Rodzaj;
    if (d.Rodzaj == Towar) {
        w.NrTowaru = d.NrTowaru;
        w.Pojedynczo = d.Pojedynczo;
        w.Zaplata = d.Zaplata;
        w.Paragon = d.Paragon;
    } else if (d.Rodzaj == Funkcja || d.Rodzaj == Platnosc) {
        w.Numer = d.Numer;
        w.Kwota = d.Rodzaj == Platnosc ? d.Kwota : 0;
    }
    return w;
}

} // namespace orbaklaw

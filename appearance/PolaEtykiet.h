#pragma once
// The 38 label fields of the keyboard insert, two lines per key, in the order
// the label file lists them: first lines of F1..F9, second lines of F1..F9,
// first lines of the digits 0..9, second lines of the digits 0..9.

#include <array>
#include <cstdint>
#include <string>

namespace orbaklaw {

constexpr int LiczbaPolEtykiet = 38;
constexpr int LimitEtykietyF = 8;     // characters on a function key
constexpr int LimitEtykietyCyfry = 4; // characters on a digit key

// Place of a label field over the keyboard picture, in window pixels.
struct ProstokatPola {
    int left, top, width, height;
};

struct PoleEtykiety {
    const char* nazwa; // control name: Edit1..Edit9, Edit1a.., e0..e9, e0a..e9a
    int nrKlawisza;    // NrKlawisza 0..18
    bool drugaLinia;
    int limit; // LimitEtykietyF or LimitEtykietyCyfry
    ProstokatPola miejsce;
};

// Background colours of the two key groups, as 0xRRGGBB.
constexpr uint32_t KolorEtykietyF = 0xC8C7C5;     // red 200, green 199, blue 197
constexpr uint32_t KolorEtykietyCyfry = 0xB8CBD1; // red 184, green 203, blue 209

const std::array<PoleEtykiety, LiczbaPolEtykiet>& PolaEtykiet();

// The index in PolaEtykiet of a key's first or second line.
int IndeksPolaEtykiety(int nrKlawisza, bool drugaLinia);

// A non-empty text shorter than `limit` extended with spaces to it; an empty
// or longer text unchanged.
std::string UzupelnijEtykiete(const std::string& tekst, int limit);

} // namespace orbaklaw

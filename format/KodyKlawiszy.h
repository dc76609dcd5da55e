#pragma once
// Where each of the 64 definable keys lives: its (ALT variant, key position)
// on the keyboard, its record in the four definition tables and its code in
// the register's numbering.

#include <array>
#include <cstdint>
#include <optional>

namespace orbaklaw {

constexpr int LiczbaPozycji = 19;  // F1..F9, then digits 0..9
constexpr int LiczbaWariantow = 4; // rgAlty items
constexpr int LiczbaKlawiszy = 64;

// Variants in the order of the rgAlty items.
enum WariantAlt : uint8_t {
    ObaAlt = 0,
    LewyAlt = 1,
    PrawyAlt = 2,
    Bezp = 3,
};

enum class Tabela : uint8_t {
    KlawiszeBezp,
    KlawiszeLewyAlt,
    KlawiszePrawyAlt,
    KlawiszeObaAlt,
};

struct MiejsceKlawisza {
    Tabela tabela;
    uint8_t indeks;
    bool operator==(const MiejsceKlawisza&) const = default;
};

struct PozycjaKlawisza {
    uint8_t wariant; // WariantAlt
    uint8_t nr;      // NrKlawisza 0..18
    bool operator==(const PozycjaKlawisza&) const = default;
};

struct KlawiszDefiniowalny {
    MiejsceKlawisza miejsce;
    uint8_t kod;
};

// Number of records in each table (the small table holds only F1..F9).
constexpr int RozmiarTabeli(Tabela t) {
    return t == Tabela::KlawiszeObaAlt ? 9 : 19;
}

// The table record that holds (variant, position), or none for combinations
// the register does not have.
std::optional<MiejsceKlawisza> MiejsceNaKlawiaturze(int wariant, int nr);

// The inverse: the keyboard combination a table record stands for; none for
// the unused record 9 of the two single-ALT tables.
std::optional<PozycjaKlawisza> PozycjaMiejsca(MiejsceKlawisza m);

// The register's code of a table record; 0 for a record that holds no key.
uint8_t KodMiejsca(MiejsceKlawisza m);

// The record of a register key code; none for a code that belongs to no key.
std::optional<MiejsceKlawisza> MiejsceKodu(unsigned kod);

// The 64 keys in the order the definition file lists them.
const std::array<KlawiszDefiniowalny, LiczbaKlawiszy>& KolejnoscKlawiszy();

} // namespace orbaklaw

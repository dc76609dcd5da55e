#pragma once
// The register's goods base as far as key definitions need it: the name of
// each goods number 1..511, kept in the register's code page (CP852).

#include <string>
#include <vector>

namespace orbaklaw {

constexpr int NajwiekszyNumerTowaru = 511;

struct PojedynczyTowar {
    std::string pole1; // unused
    std::string Nazwa; // CP852, as the register sent it
    std::string pole3; // unused
};

class Towary {
public:
    Towary();

    // Empties every name; the list always has entries 0..511 (0 unused).
    void Wyczysc();

    // Sets the CP852 name of goods n; numbers outside 1..511 are ignored.
    void UstawNazwe(int n, std::string nazwa852);

    // The name of goods n as stored (CP852); empty outside 1..511.
    const std::string& Nazwa852(int n) const;

    // The name of goods n converted to Windows-1250; empty outside 1..511.
    std::string Nazwa(int n) const;

    // The goods chooser item of n: three-digit number, a blank, the converted name.
    std::string TekstPozycji(int n) const;

private:
    std::vector<PojedynczyTowar> towary_;
};

} // namespace orbaklaw

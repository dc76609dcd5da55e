#include "comm/NumerKasy.h"

#include "files/LiczbaCalkowita.h"

namespace orbaklaw {

Wynik<unsigned, BladNumeruKasy> NumerKasyJakoLiczba(const std::string& numerKasy) {
    const bool cyfry =
        !numerKasy.empty() && numerKasy.find_first_not_of("0123456789") == std::string::npos;
    const auto liczba = cyfry ? CzytajLiczbe(numerKasy) : std::nullopt;
    if (!liczba) // "Niepoprawny numer kasy: '...'"
        return BladNumeruKasy{"Niepoprawny numer kasy: '" + numerKasy + "'"};
    return static_cast<unsigned>(*liczba);
}

} // namespace orbaklaw

#include "comm/ZapisanaKonfiguracja.h"

#include "comm/NumerKasy.h"
#include "files/GraniceOdczytu.h"
#include "files/NazwyStale.h"
#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"

#include <vector>

namespace orbaklaw {

std::optional<ZapisanaKonfiguracja> CzytajZapisanaKonfiguracje() {
    const auto odczytane =
        CzytajLinie(ZnajdzPlik(NazwaPlikuKonfiguracji), GranicePlikuKonfiguracji);
    if (!odczytane)
        return std::nullopt;
    const std::vector<std::string>& linie = *odczytane;
    const std::string numer = NumerKasyZKonfiguracji(linie);
    const auto liczba = NumerKasyJakoLiczba(numer);
    if (!liczba)
        return std::nullopt;
    const auto wynik = KonfiguracjaKasy(linie, static_cast<int>(*liczba));
    if (wynik.kod != 0)
        return std::nullopt;
    return ZapisanaKonfiguracja{numer, wynik.wpis.ustawienia};
}

Wynik<std::optional<std::string>, BladWejsciaWyjscia> NumerZapisanejKasy() {
    const auto plik = ZnajdzPlik(NazwaPlikuKonfiguracji);
    std::error_code ec;
    if (!std::filesystem::exists(plik, ec) || KonfiguracjaPusta(plik))
        return std::optional<std::string>();
    if (auto numer = CzytajNumerKasy(plik))
        return numer;
    return BladWejsciaWyjscia("Nie można odczytać pliku "_w1250 + plik.string());
}

} // namespace orbaklaw

#include "format/ListyWyboru.h"
#include "files/StronyKodowe.h"

#include "format/KodyKlawiszy.h"

namespace orbaklaw {

std::string NazwaPozycji(int nr) {
    if (nr >= 0 && nr <= 8)
        return "F" + std::to_string(nr + 1);
    if (nr >= 9 && nr < LiczbaPozycji)
        return std::to_string(nr - 9);
    return {};
}

const std::array<const char*, 4>& NazwyWariantow() {
    static constexpr std::array<const char*, 4> nazwy{"LEWY+PRAWY ALT", "LEWY    ALT", "PRAWY ALT",
                                                      "BEZP."};
    return nazwy;
}

const std::array<const char*, 4>& PrzedrostkiWariantow() {
    static constexpr std::array<const char*, 4> przedrostki{"LEWY+PR.ALT+", "LEWY  ALT+",
                                                            "PRAWY ALT+", ""};
    return przedrostki;
}

std::string NazwaKlawisza(int wariant, int nr) {
    if (wariant < 0 || wariant >= LiczbaWariantow)
        return NazwaPozycji(nr);
    return PrzedrostkiWariantow()[static_cast<size_t>(wariant)] + NazwaPozycji(nr);
}

const std::array<const char*, 4>& NazwyRodzajow() {
    static constexpr std::array<const char*, 4> nazwy{
        "NIEZDEF.",
        "1 - TOWAR",
        "2 - FUNKCJA",
        "3 - PŁATNOŚĆ"_w1250,
    };
    return nazwy;
}

const std::array<const char*, LiczbaFunkcji>& NazwyFunkcji() {
    static constexpr std::array<const char*, LiczbaFunkcji> nazwy{
        "01 BRAK ZDEFIN. FUNKCJI",
        "02   WŁĄCZENIE    KASJERA"_w1250,
        "03   WYŁĄCZENIE KASJERA"_w1250,
        "04   KONIEC ZMIANY KASJERA",
        "05   WPŁATA DO KASY"_w1250,
        "06   WYPŁATA Z KASY"_w1250,
        "07   ZESTAW RAPORTÓW"_w1250,
        "08   DOBOWY FISKALNY",
        "09   SZCZEGÓŁOWY SPRZEDAŻY"_w1250,
        "10   ZWROTÓW OPAKOWAŃ"_w1250,
        "11   SPRZEDAŻY WG GRUP"_w1250,
        "12   RAPORTY OKRESOWY",
        "13   R. MIES. ZA POPRZ.MIES.",
        "14   DEFINIOWANIE TOWARÓW"_w1250,
        "15   ZMIANA CEN",
        "16   MENU",
        "17   ODCZYT Z WAGI",
        "18   WYŁĄCZENIE KASY"_w1250,
        "19   KWIT PARKINGOWY",
    };
    return nazwy;
}

const std::array<const char*, LiczbaPozycjiPlatnosci>& PoczatkoweNazwyPlatnosci() {
    static constexpr std::array<const char*, LiczbaPozycjiPlatnosci> nazwy{
        "GOTÓWKA"_w1250, "PŁATNOŚĆ  1"_w1250, "PŁATNOŚĆ  2"_w1250, "PŁATNOŚĆ  3"_w1250, "EURO",
    };
    return nazwy;
}

const char* TekstPojedynczo() {
    return "Sprzedaż jednej sztuki"_w1250;
} // Sprzedaż jednej sztuki
const char* TekstZaplata() {
    return "Obowiązek wpisania ceny"_w1250;
} // Obowiązek wpisania ceny
const char* TekstParagon() {
    return "Zakończenie paragonu"_w1250;
} // Zakończenie paragonu

uint8_t NumerPlatnosci(int pozycja) {
    return pozycja == PozycjaEuro ? NumerEuro : static_cast<uint8_t>(pozycja);
}

int PozycjaPlatnosci(uint8_t numer) {
    return numer == NumerEuro ? PozycjaEuro : numer;
}

std::string NazwaPlatnosciNumer(uint8_t numer) {
    return "płatność "_w1250 + std::to_string(numer);
}

} // namespace orbaklaw

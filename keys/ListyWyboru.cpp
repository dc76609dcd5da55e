#include "keys/ListyWyboru.h"

#include "keys/KodyKlawiszy.h"

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
        "NIEZDEF.", "1 - TOWAR", "2 - FUNKCJA",
        "3 - P\243ATNO\214\306", // 3 - PŁATNOŚĆ
    };
    return nazwy;
}

const std::array<const char*, LiczbaFunkcji>& NazwyFunkcji() {
    static constexpr std::array<const char*, LiczbaFunkcji> nazwy{
        "01 BRAK ZDEFIN. FUNKCJI",
        "02   W\243\245CZENIE    KASJERA", // 02   WŁĄCZENIE    KASJERA
        "03   WY\243\245CZENIE KASJERA",   // 03   WYŁĄCZENIE KASJERA
        "04   KONIEC ZMIANY KASJERA",
        "05   WP\243ATA DO KASY",  // 05   WPŁATA DO KASY
        "06   WYP\243ATA Z KASY",  // 06   WYPŁATA Z KASY
        "07   ZESTAW RAPORT\323W", // 07   ZESTAW RAPORTÓW
        "08   DOBOWY FISKALNY",
        "09   SZCZEG\323\243OWY SPRZEDA\257Y", // 09   SZCZEGÓŁOWY SPRZEDAŻY
        "10   ZWROT\323W OPAKOWA\321",         // 10   ZWROTÓW OPAKOWAŃ
        "11   SPRZEDA\257Y WG GRUP",           // 11   SPRZEDAŻY WG GRUP
        "12   RAPORTY OKRESOWY",
        "13   R. MIES. ZA POPRZ.MIES.",
        "14   DEFINIOWANIE TOWAR\323W", // 14   DEFINIOWANIE TOWARÓW
        "15   ZMIANA CEN",
        "16   MENU",
        "17   ODCZYT Z WAGI",
        "18   WY\243\245CZENIE KASY", // 18   WYŁĄCZENIE KASY
        "19   KWIT PARKINGOWY",
    };
    return nazwy;
}

const std::array<const char*, LiczbaPozycjiPlatnosci>& PoczatkoweNazwyPlatnosci() {
    static constexpr std::array<const char*, LiczbaPozycjiPlatnosci> nazwy{
        "GOT\323WKA",           // GOTÓWKA
        "P\243ATNO\214\306  1", // PŁATNOŚĆ  1
        "P\243ATNO\214\306  2", "P\243ATNO\214\306  3", "EURO",
    };
    return nazwy;
}

const char* TekstPojedynczo() {
    return "Sprzeda\277 jednej sztuki";
} // Sprzedaż jednej sztuki
const char* TekstZaplata() {
    return "Obowi\271zek wpisania ceny";
} // Obowiązek wpisania ceny
const char* TekstParagon() {
    return "Zako\361czenie paragonu";
} // Zakończenie paragonu

uint8_t NumerPlatnosci(int pozycja) {
    return pozycja == PozycjaEuro ? NumerEuro : static_cast<uint8_t>(pozycja);
}

int PozycjaPlatnosci(uint8_t numer) {
    return numer == NumerEuro ? PozycjaEuro : numer;
}

} // namespace orbaklaw

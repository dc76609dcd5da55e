#pragma once
// The fixed lists a definition draws from: key and variant names, the kinds,
// the 19 register functions and the payment forms. Texts are Windows-1250 bytes.

#include <array>
#include <cstdint>
#include <string>

namespace orbaklaw {

constexpr int LiczbaFunkcji = 19;
constexpr int LiczbaPozycjiPlatnosci = 5;
constexpr uint8_t NumerEuro = 8;              // payment form EURO as the register numbers it
constexpr int PozycjaEuro = 4;                // and its item in the payment chooser
constexpr uint8_t FunkcjaWylaczenieKasy = 18; // needs register program version 2

// "F1".."F9", "0".."9" for positions 0..18.
std::string NazwaPozycji(int nr);

// rgAlty item texts and the prefixes of key names, by variant.
const std::array<const char*, 4>& NazwyWariantow();
const std::array<const char*, 4>& PrzedrostkiWariantow();

// The name shown for a key: the variant's prefix followed by the key's name.
std::string NazwaKlawisza(int wariant, int nr);

// rgDefinicja item texts, by kind.
const std::array<const char*, 4>& NazwyRodzajow();

// cbFunkcja items; function n is item n - 1.
const std::array<const char*, LiczbaFunkcji>& NazwyFunkcji();

// cbPlatnosc items as the program starts (items 1..3 are later replaced by the
// register's own payment names).
const std::array<const char*, LiczbaPozycjiPlatnosci>& PoczatkoweNazwyPlatnosci();

// Check box texts of the three goods flags.
const char* TekstPojedynczo();
const char* TekstZaplata();
const char* TekstParagon();

// Payment chooser item <-> stored payment number: EURO is item 4 but number 8.
uint8_t NumerPlatnosci(int pozycja);
int PozycjaPlatnosci(uint8_t numer);

// The name of a payment form outside the chooser: "płatność " and its number.
std::string NazwaPlatnosciNumer(uint8_t numer);

} // namespace orbaklaw

#pragma once
// KONFIG.TXT: one line telling the register library how to reach a register,
//   "$" number TAB "com" port ":" speed ":mux" multiplexer ":" channel TAB timeout
// e.g. "$01\tcom1:9600:mux0:1\t5". The library reads every line; the program
// reads back only the register number of the first.

#include "files/BladWejsciaWyjscia.h"
#include "files/NazwyStale.h"
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbaklaw {

struct UstawieniaKomunikacji {
    int port = 1;         // COM 1..9
    int szybkosc = 9600;  // 9600 or 19200 bit/s
    int multiplekser = 0; // 0 none, 1 "MUX 1"
    int kanal = 1;        // multiplexer channel 1..4
    int timeout = 5;      // 1..1000, seconds
    bool operator==(const UstawieniaKomunikacji&) const = default;
};

// The configuration line; without a multiplexer the channel is always 1.
std::string LiniaKonfiguracji(std::string_view numerKasy, const UstawieniaKomunikacji& u);

struct WpisKonfiguracji {
    int numerKasy = 0;
    UstawieniaKomunikacji ustawienia;
};

// Reading one configuration line, as the register library does. The result
// is a library code: 0, 13 incomplete, 15 wrong data, 16 malformed.
struct WynikKonfiguracji {
    uint8_t kod = 0;
    WpisKonfiguracji wpis;
};
WynikKonfiguracji ParsujLinieKonfiguracji(std::string_view linia);

// Whether a line holds nothing but blanks: such a line counts as none.
bool LiniaPusta(std::string_view linia);

// The verdict of KONFIG.TXT's lines on register `numer`, the one rule of
// the register library, the program and orbaklaw-cli: blank lines don't
// count; no other line gives 13; every other line must be a good one (else
// the first bad line's code); the first line of the number is the
// register's (14 when none is).
WynikKonfiguracji KonfiguracjaKasy(const std::vector<std::string>& linie, int numer);

// KONFIG.TXT (or a file in its place) as every reader of it takes it: the
// text of a regular file within GranicePlikuKonfiguracji, its bytes and its
// lines; else the reason it can't be read or is refused.
WynikPliku<std::string> CzytajKonfiguracje(const std::filesystem::path& plik);

// The verdict of the file on register `numer`: 7 when it can't be read
// (as CzytajKonfiguracje), else that of KonfiguracjaKasy.
WynikKonfiguracji OcenPlikKonfiguracji(const std::filesystem::path& plik, int numer);

// The register number of a line: its 2nd and 3rd characters, the 3rd
// dropped when below "0" (the tab after a one-digit number).
std::string NumerKasyZLinii(std::string_view linia);
// The register number of the configuration: that of its first line that
// is not blank ("" when there is none).
std::string NumerKasyZKonfiguracji(const std::vector<std::string>& linie);
// The same read from the file; none when the file can't be read.
[[nodiscard]] std::optional<std::string> CzytajNumerKasy(const std::filesystem::path& plik);

// True when the file holds nothing but blanks and line breaks: the
// parameters are still to be set, as when the file is missing. False also
// when it can't be read (the reader then says why).
[[nodiscard]] bool KonfiguracjaPusta(const std::filesystem::path& plik);

} // namespace orbaklaw

#pragma once
// What each printer really prints for 100 mm, as the user measured it on the
// calibration page, kept per user in one small text file:
//
//   $XDG_CONFIG_HOME/orbaklaw/drukarki.txt (else ~/.config/orbaklaw/drukarki.txt)
//
// Lines end in CR LF; a line starting with '#' is a comment. Every other line
// is one printer: its name (UTF-8, as the print service names it), a TAB,
// what the ruler across the page measured, a TAB, what the ruler down the
// page measured, both in millimetres with a decimal point:
//
//   Biuro_HP<TAB>98.6<TAB>101.2
//
// A line that isn't of this form, or measures outside 50..200 mm, is passed
// over: that printer then prints without a correction.

#include "files/BladWejsciaWyjscia.h"
#include "files/GraniceOdczytu.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace orbaklaw {

// What the two 100 mm rulers of the calibration page measured, in mm.
struct PomiarLinijek {
    double poziomo = 100.0;
    double pionowo = 100.0;
    bool operator==(const PomiarLinijek&) const = default;
};

// The scale that makes such a printer print true size: 100 / measured.
struct KorektaDruku {
    double x = 1.0;
    double y = 1.0;
};
KorektaDruku KorektaZPomiaru(const PomiarLinijek& pomiar);

// A measurement the program accepts, in mm.
inline constexpr double NajkrotszyPomiar = 50.0;
inline constexpr double NajdluzszyPomiar = 200.0;
bool PoprawnyPomiar(double mm);

inline constexpr GraniceOdczytu GranicePlikuDrukarek{64u << 10, 1024};

using PomiaryDrukarek = std::map<std::string, PomiarLinijek>;

// $XDG_CONFIG_HOME/orbaklaw/drukarki.txt, else $HOME/.config/...; none
// without either.
std::optional<std::filesystem::path> PlikDrukarek();

// The file's printers; a missing file has none. The reason when the file is
// there but can't be read.
WynikPliku<PomiaryDrukarek> CzytajPomiaryDrukarek(const std::filesystem::path& plik);

// The whole file, its folders created when missing, replaced atomically;
// else the reason it could not be written.
WynikPliku<void> ZapiszPomiaryDrukarek(const std::filesystem::path& plik,
                                       const PomiaryDrukarek& pomiary);

// The file's text for the printers, with its heading comment.
std::string TekstPomiarowDrukarek(const PomiaryDrukarek& pomiary);

// The correction of one printer from the user's file: none (1, 1) when the
// printer has none or the file can't be read.
KorektaDruku KorektaDrukarki(const std::string& drukarka);

} // namespace orbaklaw

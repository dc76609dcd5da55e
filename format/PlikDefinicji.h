#pragma once
// The key-definition text file: three header lines ("#" + register number,
// "#", "#") and one line per key, "$" code TAB kind [TAB fields...].

#include "files/BladWejsciaWyjscia.h"
#include "format/TabliceKlawiszy.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orbaklaw {

class CzytnikLinii;

constexpr size_t NajdluzszaLiniaDefinicji = 255;

// A good key line that left no definition behind: its code belongs to no
// key, or a later line gave its key again.
struct LiniaBezSkutku {
    size_t numer = 0; // the first line being 1
    std::string linia;
    // Of a key given again: the line that gave it again (the later one
    // holds); 0 for a code of no key.
    size_t ponownie = 0;
};

struct WynikOdczytuDefinicji {
    bool poprawny = true;
    std::string zlaLinia;  // the offending line when not poprawny
    size_t numerLinii = 0; // its number in the file, the first line being 1
    // What a reader may want to tell: how many key lines were stored into
    // a key, and the good lines that stored nothing that lasted (in the
    // order of the lines that made them so).
    size_t zapisanych = 0;
    std::vector<LiniaBezSkutku> bezSkutku;
};

// The whole file as bytes, keys in the fixed file order with codes from the
// code tables. At most two characters of the register number are taken.
std::string TekstPlikuDefinicji(const TabliceKlawiszy& tablice, std::string_view numerKasy);

// Writes the file atomically; else the reason it could not be written.
WynikPliku<void> ZapiszPlikDefinicji(const TabliceKlawiszy& tablice,
                                     const std::filesystem::path& plik, std::string_view numerKasy);

// Parses key lines into the tables (the caller clears them first if it wants
// to). Stops at the first bad line: the lines before it stay stored.
WynikOdczytuDefinicji ParsujDefinicje(TabliceKlawiszy& tablice,
                                      const std::vector<std::string>& linie);

// The same, line by line from an opened reader: nothing after the first bad
// line is read; the reason when a line can't be read.
WynikPliku<WynikOdczytuDefinicji> ParsujDefinicje(TabliceKlawiszy& tablice, CzytnikLinii& czytnik);

// Reads and parses a file (a regular file within GranicePlikuDefinicji);
// else the reason it can't be read or is refused.
WynikPliku<WynikOdczytuDefinicji> CzytajPlikDefinicji(TabliceKlawiszy& tablice,
                                                      const std::filesystem::path& plik);

// "Błędny format pliku wejsciowego" followed directly by the line
// (Windows-1250); of a longer line only the first 255 bytes and "…".
std::string KomunikatBlednegoFormatu(const std::string& linia);

} // namespace orbaklaw

#pragma once
// How much of an input file a reader takes. A valid file of each kind is
// small; anything far beyond that is refused before it is read, so that no
// input can make the program hold more than a few megabytes.

#include <cstddef>
#include <cstdint>

namespace orbaklaw {

struct GraniceOdczytu {
    uintmax_t bajtow; // a larger file is refused unread
    size_t linii;     // a file of more lines is refused
};

// Any text file of the program's: the bound of a reader that names none.
inline constexpr GraniceOdczytu GranicePlikuTekstowego{1u << 20, 16384};
// Key definitions: 3 header lines and 64 key lines of at most 255 bytes.
inline constexpr GraniceOdczytu GranicePlikuDefinicji{1u << 20, 4096};
// Label file: 38 lines (the reader takes no more); the texts may be longer
// than the fields show.
inline constexpr GraniceOdczytu GranicePlikuEtykiet{1u << 20, 4096};
// KONFIG.TXT and its side file: one line of settings.
inline constexpr GraniceOdczytu GranicePlikuKonfiguracji{64u << 10, 256};
// towary.txt: three header lines and 511 goods names.
inline constexpr GraniceOdczytu GranicePlikuTowarow{1u << 20, 1024};
// plat.txt: three header lines and three payment names.
inline constexpr GraniceOdczytu GranicePlikuPlatnosci{64u << 10, 256};

} // namespace orbaklaw

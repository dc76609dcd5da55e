#include "cli/Utf8.h"

#include "files/StronyKodowe.h"

namespace orbaklaw::cli {

std::string Utf8Z1250(const std::string& tekst1250) {
    return Utf8ZeStrony(Strona1250, tekst1250);
}

} // namespace orbaklaw::cli

#pragma once
// orbaklaw-cli show FILE --pdf OUT.pdf: the listing of the 64 keys as the
// program prints it, on one A4 page.

#include "cli/Polecenia.h"

namespace orbaklaw::cli {

int ZapiszListePdf(const ListaDoPdf& lista, std::ostream& err);

} // namespace orbaklaw::cli

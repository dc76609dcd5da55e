#pragma once
// The commands of orbaklaw-cli. Each returns the process's exit code
// (cli/KodyWyjscia.h).

#include "cli/KodyWyjscia.h"
#include "cli/OpisKlawisza.h"
#include "format/TabliceKlawiszy.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace orbaklaw::cli {

using Polecenie = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
using PoleceniaDodatkowe = std::vector<std::pair<std::string, Polecenie>>;

// What show --pdf draws: the keys of `plik` with the register's names.
struct ListaDoPdf {
    const TabliceKlawiszy& tablice;
    const NazwyKasy& nazwy;
    std::string plik;
    std::string pdf;
};
// Writes the listing's PDF; the part built with Qt gives it.
using ZapisListyPdf = std::function<int(const ListaDoPdf&, std::ostream& err)>;

// Runs the command line (without the program name). Messages go to `out`
// and `err` in UTF-8. `dodatkowe` are commands of the parts built with Qt.
// `listaPdf` writes show --pdf's listing.
int Uruchom(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err,
            const PoleceniaDodatkowe& dodatkowe = {}, const ZapisListyPdf& listaPdf = {});

} // namespace orbaklaw::cli

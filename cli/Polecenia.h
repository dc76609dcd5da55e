#pragma once
// The commands of orbaklaw-cli. Each returns the process's exit code
// (cli/KodyWyjscia.h).

#include "cli/KodyWyjscia.h"

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace orbaklaw::cli {

using Polecenie = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;
using PoleceniaDodatkowe = std::vector<std::pair<std::string, Polecenie>>;

// Runs the command line (without the program name). Messages go to `out`
// and `err` in UTF-8. `dodatkowe` are commands of the parts built with Qt.
int Uruchom(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err,
            const PoleceniaDodatkowe& dodatkowe = {});

} // namespace orbaklaw::cli

#pragma once
// A command of the Qt plugin (cli/WtyczkaQt.h) as orbaklaw-cli offers it: the
// plugin is loaded when the command runs, from the program's folder, else
// from the library folder of the install.

#include "cli/Polecenia.h"

#include <string>

namespace orbaklaw::cli {

// Runs `nazwa` with its arguments through the plugin. When the plugin can't
// be loaded, says so, naming it and the system's reason (exit 2).
Polecenie PolecenieWtyczkiQt(const std::string& nazwa);

} // namespace orbaklaw::cli

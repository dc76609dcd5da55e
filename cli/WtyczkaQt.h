#pragma once
// The commands that draw with Qt (the insert picture) live in a plugin of
// their own, loaded by orbaklaw-cli only when one of them is asked for: every
// other command starts and runs without Qt. This is what the two sides share.

#include <ostream>
#include <string>
#include <vector>

namespace orbaklaw::cli {

// The plugin's one exported function: runs the whole command line
// `argumenty` (without the program name) as orbaklaw-cli does, with the Qt
// commands among its commands; messages go to `out` and `err`. Returns the
// exit code (cli/KodyWyjscia.h).
using FunkcjaWtyczkiQt = int (*)(const std::vector<std::string>* argumenty, std::ostream* out,
                                 std::ostream* err);
inline constexpr const char* NazwaFunkcjiWtyczkiQt = "orbaklaw_cli_qt_uruchom";

} // namespace orbaklaw::cli

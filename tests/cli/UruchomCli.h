#pragma once
// Runs orbaklaw-cli as a user would and collects what it said.

#include <string>
#include <vector>

namespace orbaklaw::test {

struct WynikCli {
    int kod;
    std::string out;
    std::string err;
};

WynikCli UruchomCli(const std::vector<std::string>& argumenty);

// The same with a pseudo-terminal as stderr, as in an interactive shell;
// `err` holds what the terminal received.
WynikCli UruchomCliZTerminalem(const std::vector<std::string>& argumenty);

// The shared libraries the dynamic loader brought into orbaklaw-cli run with
// `argumenty`, one file a line: those it links and those it loads on its
// way (LD_DEBUG=files).
std::string BibliotekiCli(const std::vector<std::string>& argumenty);

// Whether jq is there to check JSON output with.
bool JestJq();

// Whether the jq filter `wyrazenie` holds for the JSON text `json` (jq -e).
bool Jq(const std::string& json, const std::string& wyrazenie);

} // namespace orbaklaw::test

#pragma once
// The emulator's command line:
//   orba-emu --link PATH [--state DIR] [--no-pacing] [--fault KIND]... [--mux]
//            [--model BYTE] [--version N] [--number N] [--slow-ms N] [--detach]
//            [--fault-command CMD] [--fault-percent P]
//   orba-emu --help | --version
// `--version N` is the emulated register's program version; `--version`
// with nothing after it asks for orba-emu's own version.

#include <optional>
#include <set>
#include <string>

namespace orbaklaw::emulator {

enum class Usterka { Silent, Nak, Corrupt, Hangup, OtherNumber, Slow, StaleKey };

struct Opcje {
    std::string link;
    std::optional<std::string> stan;
    bool pacing = true;
    std::set<Usterka> usterki;
    bool mux = false;
    int model = 0x6B;
    int wersja = 2;
    int numer = 1;
    int slowMs = 800;         // delay of every answer under the `slow` fault
    int rozkazUsterki = -1;   // the faults strike only requests of this command (-1: all)
    int procentUsterki = 100; // and each of those with this chance, in per cent
    bool odlacz = false;      // keep serving after the starting process ends
    bool pomoc = false;
    bool pokazWersje = false;
};

// The text of --help (UTF-8).
const char* OpisOpcji();

// Throws std::invalid_argument with a one-line reason on a bad command line.
Opcje CzytajOpcje(int argc, const char* const* argv);

} // namespace orbaklaw::emulator

#pragma once
// The options every register command takes. Each overrides what KONFIG.TXT
// of the current folder (or the file of --config) says:
//   --port DEVICE|COMn   the serial device (COM n, n 1..9, is $ORBAKLAW_COM<n>, else the
//                        user's port assignment, else /dev/ttyS<n-1>)
//   --speed 9600|19200   bit/s
//   --register NN        the register number (1..99), also the line of KONFIG.TXT used
//   --timeout S          seconds, 1..1000
//   --mux N              0 no multiplexer, 1..4 the multiplexer's channel
//   --config FILE        the configuration file to start from
//   --no-backup          write/delete without the backup read first
//   --verify             write: read back and compare (as it does unless --no-verify),
//                        the keys that differ listed in place of the change counts
//   --no-verify          write: not read back
//   --dry-run            write/delete: show the changes, send nothing
//   --json               show/test/goods/diff/verify: one JSON document on stdout
//   --goods FILE, --payments FILE   show: names from these reply files
//   --pdf FILE           show: the listing of the keys as a one-page PDF

#include "format/UrzadzeniePortu.h"

#include <optional>
#include <string>
#include <vector>

namespace orbaklaw::cli {

struct OpcjeKasy {
    std::optional<std::string> port;
    std::optional<int> szybkosc;
    std::optional<std::string> numer;
    std::optional<int> timeout;
    std::optional<int> mux;
    std::optional<std::string> konfiguracja;
    bool bezKopii = false;
    bool sprawdz = false;        // --verify
    bool bezSprawdzenia = false; // --no-verify
    bool proba = false;          // --dry-run
    bool json = false;
    std::optional<std::string> towary;    // show --goods FILE
    std::optional<std::string> platnosci; // show --payments FILE
    std::optional<std::string> pdf;       // show --pdf FILE

    // Whether anything of the connection differs from the configuration file.
    bool ZmieniaLacze() const { return port || szybkosc || timeout || mux; }
};

// Which of the flags a command takes; the connection options go with `kasa`.
struct DozwoloneOpcje {
    bool kasa = false;
    bool bezKopii = false;
    bool sprawdz = false; // --verify and --no-verify
    bool proba = false;   // --dry-run
    bool json = false;
    bool nazwy = false; // --goods and --payments
    bool pdf = false;   // --pdf FILE
};

// Takes the options out of `argumenty`; the rest (the files) go to `pliki`.
// False with the reason in `blad` for an unknown option or a bad value.
bool ParsujOpcje(const std::vector<std::string>& argumenty, const DozwoloneOpcje& dozwolone,
                 OpcjeKasy& opcje, std::vector<std::string>& pliki, std::string& blad);

// The device of --port: a path as given, or COM n resolved (which may
// find the user's port assignment unusable).
UrzadzenieComN UrzadzeniePortu(const std::string& port);

} // namespace orbaklaw::cli

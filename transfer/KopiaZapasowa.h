#pragma once
// Backups of the register's key definitions, taken before anything is
// written into the register or deleted in it. One folder holds them all:
//   $ORBAKLAW_KOPIE, else $XDG_DATA_HOME/orbaklaw/kopie,
//   else $HOME/.local/share/orbaklaw/kopie
// (an empty variable counts as unset; XDG_DATA_HOME only when absolute);
// on Windows $ORBAKLAW_KOPIE, else %LOCALAPPDATA%\orbaklaw\kopie.
// Each backup is "kasaNN-YYYYMMDD-HHMMSS.txt" (NN the register number in two
// digits, local time). A second backup of the same register in the same
// second gets "-2", "-3", ... before ".txt"; an existing backup is never
// replaced. The 50 newest backups of each register are kept, newest by the
// time the file system recorded; none written in the last day is removed.
// Once the clock has gone back against the backups there, the order in which
// they were made decides instead (transfer/KolejnoscKopii).

#include "files/BladWejsciaWyjscia.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

// The environment values the folder rule looks at; none = unset.
struct ZmienneFolderuKopii {
    std::optional<std::string> kopie;       // ORBAKLAW_KOPIE
    std::optional<std::string> xdgDataHome; // XDG_DATA_HOME
    std::optional<std::string> home;        // HOME
    std::optional<std::string> lokalneDane; // LOCALAPPDATA (Windows)
};

constexpr size_t LiczbaKopiiKasy = 50;
// A backup younger than this is kept whatever the count.
constexpr std::chrono::hours OkresOchronyKopii{24};

// The folder by the rule above; else the reason when no variable gives one
// (no HOME, or on Windows no LOCALAPPDATA, either).
WynikPliku<std::filesystem::path> FolderKopii(const ZmienneFolderuKopii& zmienne);

// The same from the process's environment.
WynikPliku<std::filesystem::path> FolderKopii();

// "01" and "1" both give "01"; anything but one or two digits is refused.
WynikPliku<std::string> NumerKasyKopii(const std::string& numerKasy);

// "kasaNN-YYYYMMDD-HHMMSS.txt" for `czas` in local time; `kolejna` above 1
// adds "-kolejna" before the extension.
WynikPliku<std::string> NazwaKopii(const std::string& numerKasy, std::time_t czas,
                                   unsigned kolejna = 1);

// Writes `trescDefinicji` as a new backup of register `numerKasy` in
// `folder` (created when missing), prunes that register's backups to the 50
// newest and gives the new file's path; else the reason.
WynikPliku<std::filesystem::path> ZachowajKopie(const std::filesystem::path& folder,
                                                const std::string& numerKasy,
                                                const std::string& trescDefinicji,
                                                std::time_t czas);

// The same in FolderKopii(), now.
WynikPliku<std::filesystem::path> ZachowajKopie(const std::string& numerKasy,
                                                const std::string& trescDefinicji);

// Removes all but the `zostaw` newest backups of register `numerKasy` in
// `folder`, sparing those of the last day; other registers' backups and
// other files stay. Refuses a bad register number.
WynikPliku<void> PrzytnijKopie(const std::filesystem::path& folder, const std::string& numerKasy,
                               size_t zostaw = LiczbaKopiiKasy);

} // namespace orbaklaw

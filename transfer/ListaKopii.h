#pragma once
// The backups of one register in the backup folder (KopiaZapasowa), newest
// first, each with what a user chooses one by: when it was taken, how many
// keys it defines and how many differ from the tables now.

#include "files/BladWejsciaWyjscia.h"
#include "format/TabliceKlawiszy.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orbaklaw {

struct KopiaKasy {
    std::filesystem::path plik;
    std::string czas;      // "YYYY-MM-DD HH:MM:SS" from the file's name
    bool poprawna = false; // a definition file
    TabliceKlawiszy definicje;
    size_t zdefiniowane = 0; // keys it defines
    size_t rozne = 0;        // keys that differ from the tables
};

// The backups of register `numerKasy` in `folder`, newest first (by name:
// the time, then the second one of a second); none when the folder is
// missing. A bad register number is refused.
WynikPliku<std::vector<KopiaKasy>> KopieKasy(const std::filesystem::path& folder,
                                             const std::string& numerKasy,
                                             const TabliceKlawiszy& tablice);

} // namespace orbaklaw

#pragma once
// After the register took a write or a deletion, its definitions are read
// back and compared with what it should hold; the user is told what was
// found and which backup holds the definitions from before.

#include "transfer/PorownanieDefinicji.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace orbaklaw {

class Dialogi;
class SesjaKasy;
struct WynikZmiany;

struct OpisSprawdzenia {
    bool rozne = false; // the register holds other definitions than it should
    QString tekst;      // the line(s) that follow the success message, or the error
};

// After the register took `zmiana`: its definitions read back through
// `sesja` and judged, naming the backup the session kept before the change.
// Nothing is read (an empty text) when a lost reply already made the
// session read them. The register's result code is left as the change gave
// it.
OpisSprawdzenia SprawdzKase(SesjaKasy& sesja, const WynikZmiany& zmiana);

// A change the register did not take: why (PowodNiepowodzenia), or the
// code's message with what the register was found to hold when a lost
// reply made the session read it.
void PokazOdmoweZmiany(Dialogi& dialogi, const WynikZmiany& zmiana, bool kasowanie);

// One key of a comparison for people: "LEWY  ALT+F1: <a>" then `laczenie`
// and b's definition.
QString WierszRoznicy(const RoznicaKlawisza& r, const QString& laczenie,
                      const NazwyKasy& nazwy = {});

// "Kopia zapasowa: <path>" or that none was kept.
QString OpisKopii(const std::optional<std::filesystem::path>& plik);

} // namespace orbaklaw

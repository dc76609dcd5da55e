#include "cli/PolecenieWtyczkiQt.h"

#include "cli/Komunikaty.h"
#include "cli/WtyczkaQt.h"
#include "comm/FolderyProgramu.h"
#include "platform/LadowanieBibliotek.h"

namespace orbaklaw::cli {

namespace {

// The plugin's function; null, with the reason (naming the file) in `powod`,
// when it can't be had. The plugin stays loaded to the end of the run: what
// Qt leaves behind is torn down with the process, never unmapped under it.
FunkcjaWtyczkiQt Funkcja(const std::string& sciezka, std::string& powod) {
    void* wtyczka = platform::ZaladujBiblioteke(sciezka, &powod);
    if (!wtyczka) {
        if (powod.empty())
            powod = sciezka;
        return nullptr;
    }
    auto funkcja =
        reinterpret_cast<FunkcjaWtyczkiQt>(platform::AdresFunkcji(wtyczka, NazwaFunkcjiWtyczkiQt));
    if (!funkcja)
        powod = sciezka + ": brak funkcji " + NazwaFunkcjiWtyczkiQt;
    return funkcja;
}

} // namespace

Polecenie PolecenieWtyczkiQt(const std::string& nazwa) {
    return
        [nazwa](const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err) {
            std::string powod;
            const FunkcjaWtyczkiQt funkcja =
                Funkcja(SciezkaBiblioteki(ORBAKLAW_WTYCZKA_QT).string(), powod);
            if (!funkcja) {
                err << PoczatekKomunikatu << nazwa << ": nie można wczytać biblioteki: " << powod
                    << "\n";
                return KodBladPliku;
            }
            std::vector<std::string> wiersz{nazwa};
            wiersz.insert(wiersz.end(), argumenty.begin(), argumenty.end());
            return funkcja(&wiersz, &out, &err);
        };
}

} // namespace orbaklaw::cli

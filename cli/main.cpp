// orbaklaw-cli: key-definition and label files from the command line.
#include "cli/Komunikaty.h"
#include "cli/Polecenia.h"
#include "generated/WersjaProgramu.h"
#include "platform/Terminal.h"

#ifdef ORBAKLAW_Z_WKLADKA
#include "cli/PolecenieWtyczkiQt.h"
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    // The program's texts reach the terminal as UTF-8.
    orbaklaw::platform::WyjscieWUtf8();
    try {
        std::vector<std::string> argumenty(argv + 1, argv + argc);
        if (argumenty == std::vector<std::string>{"--version"}) {
            std::cout << "orbaklaw-cli " << orbaklaw::WersjaProgramu << "\n";
            return 0;
        }
        orbaklaw::cli::PoleceniaDodatkowe dodatkowe;
#ifdef ORBAKLAW_Z_WKLADKA
        // Drawn by the Qt plugin, loaded only for these commands: the insert
        // and the listing's PDF (`show ... --pdf`, run by the plugin whole).
        const bool lista =
            !argumenty.empty() && argumenty[0] == "show" &&
            std::find(argumenty.begin(), argumenty.end(), "--pdf") != argumenty.end();
        if (lista || (!argumenty.empty() && argumenty[0] == "insert")) {
            const std::string nazwa = argumenty[0];
            const int kod = orbaklaw::cli::PolecenieWtyczkiQt(nazwa)(
                std::vector<std::string>(argumenty.begin() + 1, argumenty.end()), std::cout,
                std::cerr);
            // Qt stays loaded to the end: what it holds is torn down with the
            // process, not by exit handlers running over its threads.
            std::cout.flush();
            std::cerr.flush();
            std::fflush(nullptr);
            std::_Exit(kod);
        }
        dodatkowe.emplace_back("insert", orbaklaw::cli::PolecenieWtyczkiQt("insert"));
#endif
        return orbaklaw::cli::Uruchom(argumenty, std::cout, std::cerr, dodatkowe);
    } catch (const std::exception& e) {
        std::cerr << orbaklaw::cli::PoczatekKomunikatu << e.what() << "\n";
    } catch (...) {
        std::cerr << "orbaklaw-cli: nieznany błąd\n";
    }
    return orbaklaw::cli::KodBladPliku;
}

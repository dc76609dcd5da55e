// orbaklaw-cli: key-definition and label files from the command line.
#include "cli/Polecenia.h"

#ifdef ORBAKLAW_Z_WKLADKA
#include "cli/PolecenieWkladki.h"
#endif

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    try {
        std::vector<std::string> argumenty(argv + 1, argv + argc);
        orbaklaw::cli::PoleceniaDodatkowe dodatkowe;
#ifdef ORBAKLAW_Z_WKLADKA
        dodatkowe.emplace_back("insert", orbaklaw::cli::Wkladka);
#endif
        return orbaklaw::cli::Uruchom(argumenty, std::cout, std::cerr, dodatkowe);
    } catch (const std::exception& e) {
        std::cerr << "orbaklaw-cli: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "orbaklaw-cli: nieznany b\xc5\x82\xc4\x85"
                     "d\n"; // "nieznany błąd"
    }
    return orbaklaw::cli::KodBladPliku;
}

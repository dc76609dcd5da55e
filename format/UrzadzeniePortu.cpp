#include "format/UrzadzeniePortu.h"

#include "format/PrzypisaniePortow.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <cstdlib>

namespace orbaklaw {

UrzadzenieComN UrzadzenieCom(int com, const std::filesystem::path& plikPrzypisania) {
    // A USB adapter or the emulator's link takes the place of a COM port
    // through the environment, whatever the assignment says.
    const std::string zmienna = "ORBAKLAW_COM" + std::to_string(com);
    if (const char* urzadzenie = std::getenv(zmienna.c_str()); urzadzenie && *urzadzenie)
        return {urzadzenie, ZrodloUrzadzenia::Zmienna};
    if (auto urzadzenie = PrzypisaniePortow::Czytaj(plikPrzypisania).Urzadzenie(com))
        return {*urzadzenie, ZrodloUrzadzenia::Przypisanie};
    return {platform::DomyslneUrzadzeniePortu(com), ZrodloUrzadzenia::Domyslne};
}

UrzadzenieComN UrzadzenieCom(int com) {
    return UrzadzenieCom(com, PrzypisaniePortow::Plik());
}

std::string UrzadzeniePortu(int com) {
    return UrzadzenieCom(com).urzadzenie;
}

} // namespace orbaklaw

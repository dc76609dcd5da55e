#include "format/UrzadzeniePortu.h"

#include "files/StronyKodowe.h"
#include "format/PrzypisaniePortow.h"
#include "platform/Srodowisko.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <utility>

namespace orbaklaw {

UrzadzenieComN UrzadzenieCom(int com, const std::filesystem::path& plikPrzypisania) {
    // A USB adapter or the emulator's link takes the place of a COM port
    // through the environment, whatever the assignment says.
    const std::string zmienna = "ORBAKLAW_COM" + std::to_string(com);
    if (auto urzadzenie = platform::NiepustaZmienna(zmienna))
        return {std::move(*urzadzenie), ZrodloUrzadzenia::Zmienna, std::nullopt};
    auto odczyt = PrzypisaniePortow::CzytajDoPolaczenia(plikPrzypisania);
    if (odczyt.blad)
        return {{}, ZrodloUrzadzenia::Przypisanie, std::move(odczyt.blad)};
    if (auto urzadzenie = odczyt.przypisanie.Urzadzenie(com))
        return {*urzadzenie, ZrodloUrzadzenia::Przypisanie, std::nullopt};
    return {platform::DomyslneUrzadzeniePortu(com), ZrodloUrzadzenia::Domyslne, std::nullopt};
}

UrzadzenieComN UrzadzenieCom(int com) {
    return UrzadzenieCom(com, PrzypisaniePortow::Plik());
}

const char* BlednePrzypisaniePortow() {
    return "Błędny plik przypisania portów COM: "_w1250;
}

std::string UrzadzeniePortu(int com) {
    return UrzadzenieCom(com).urzadzenie;
}

} // namespace orbaklaw

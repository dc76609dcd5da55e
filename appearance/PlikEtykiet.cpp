#include "appearance/PlikEtykiet.h"

#include "files/CzytnikLinii.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw {

std::string TekstPlikuEtykiet(const TekstyEtykiet& teksty) {
    return ZlaczLinie(std::vector<std::string>(teksty.begin(), teksty.end()));
}

void ZapiszPlikEtykiet(const std::filesystem::path& plik, const TekstyEtykiet& teksty) {
    ZapiszAtomowo(plik, TekstPlikuEtykiet(teksty));
}

TekstyEtykiet ParsujEtykiety(const std::vector<std::string>& linie) {
    TekstyEtykiet teksty;
    for (size_t i = 0; i < teksty.size() && i < linie.size(); ++i)
        teksty[i] = linie[i];
    return teksty;
}

TekstyEtykiet CzytajPlikEtykiet(const std::filesystem::path& plik) {
    // Lines after the last field are not even read.
    CzytnikLinii czytnik(plik, GranicePlikuEtykiet.bajtow);
    TekstyEtykiet teksty;
    for (std::string& tekst : teksty)
        if (!czytnik.Nastepna(tekst))
            break;
    return teksty;
}

} // namespace orbaklaw

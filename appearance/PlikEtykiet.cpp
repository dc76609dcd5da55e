#include "appearance/PlikEtykiet.h"

#include "files/CzytnikLinii.h"
#include "files/PlikTekstowy.h"

namespace orbaklaw {

std::string TekstPlikuEtykiet(const TekstyEtykiet& teksty) {
    return ZlaczLinie(std::vector<std::string>(teksty.begin(), teksty.end()));
}

WynikPliku<void> ZapiszPlikEtykiet(const std::filesystem::path& plik, const TekstyEtykiet& teksty) {
    return ZapiszAtomowo(plik, TekstPlikuEtykiet(teksty));
}

TekstyEtykiet ParsujEtykiety(const std::vector<std::string>& linie) {
    TekstyEtykiet teksty;
    for (size_t i = 0; i < teksty.size() && i < linie.size(); ++i)
        teksty[i] = linie[i];
    return teksty;
}

WynikPliku<TekstyEtykiet> CzytajPlikEtykiet(const std::filesystem::path& plik) {
    // Lines after the last field are not even read.
    CzytnikLinii czytnik(plik, GranicePlikuEtykiet.bajtow);
    if (auto otwarcie = czytnik.Otworz(); !otwarcie)
        return otwarcie.Blad();
    TekstyEtykiet teksty;
    for (std::string& tekst : teksty) {
        const auto jest = czytnik.Nastepna(tekst);
        if (!jest)
            return jest.Blad();
        if (!*jest)
            break;
    }
    return teksty;
}

} // namespace orbaklaw

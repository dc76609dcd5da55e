#include "comm/ZapisKonfiguracji.h"
#include "files/NazwyStale.h"

#include "comm/BibliotekaKasdrv.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "state/StanProgramu.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

namespace {

// A fixed name as it exists in the working folder, whatever its case, so
// that a save never leaves two configuration files side by side.
std::string NazwaWFolderze(const char* nazwa) {
    return ZnajdzPlik(nazwa).filename().string();
}

std::string NumerDoZapisu(int nr, const std::string& numerZPliku) {
    if (nr != 0)
        return std::to_string(nr).substr(0, 2);
    return numerZPliku.empty() ? "01" : numerZPliku;
}
} // namespace

ZBiblioteki<bool> ZapisKonfiguracji::Zapisz(const UstawieniaKomunikacji& u,
                                            const std::string& numerZPliku) {
    auto in = Otworz(NazwaWFolderze(NazwaPlikuIn));
    if (!in || !*in)
        return in ? ZBiblioteki<bool>(false) : in.Blad();
    stan_.NumerKasy = NumerDoZapisu(stan_.NrKasyZTestu, numerZPliku);
    const std::string numer = stan_.NumerKasy;
    if (auto dopisane = Dokoncz(**in, {"#" + numer, "#", "#"}); !dopisane || !*dopisane)
        return dopisane;
    auto konfiguracja = Otworz(NazwaWFolderze(NazwaPlikuKonfiguracji));
    if (!konfiguracja || !*konfiguracja)
        return konfiguracja ? ZBiblioteki<bool>(false) : konfiguracja.Blad();
    return Dokoncz(**konfiguracja, {LiniaKonfiguracji(numer, u)});
}

ZBiblioteki<std::optional<int32_t>> ZapisKonfiguracji::Otworz(const std::string& nazwa) {
    auto uchwyt = kasdrv_.OtworzPlik(nazwa);
    if (uchwyt && !*uchwyt)
        NieZapisano();
    return uchwyt;
}

ZBiblioteki<bool> ZapisKonfiguracji::Dokoncz(int32_t uchwyt,
                                             const std::vector<std::string>& linie) {
    bool zapisane = true;
    for (const auto& linia : linie) {
        const auto wiersz = kasdrv_.ZapiszLinie(uchwyt, linia);
        if (!wiersz)
            return wiersz.Blad();
        if (!*wiersz) {
            zapisane = false;
            break;
        }
    }
    const auto naMiejscu = kasdrv_.ZamknijPlik(uchwyt);
    if (!naMiejscu)
        return naMiejscu.Blad();
    if (zapisane && *naMiejscu)
        return true;
    // The file helpers leave KodBledu alone; a code it still holds is shown
    // before the message.
    if (!zapisane && stan_.KodBledu != KodZeStatusu(0))
        dialogi_.Blad(Z1250(KomunikatBledu(stan_.KodBledu)));
    NieZapisano();
    return false;
}

void ZapisKonfiguracji::NieZapisano() {
    dialogi_.Komunikat(QStringLiteral("Nie zapisano parametrów komunikacji."));
}

} // namespace orbaklaw

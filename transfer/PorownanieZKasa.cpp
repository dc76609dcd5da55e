#include "transfer/PorownanieZKasa.h"

#include "state/StanProgramu.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/SesjaKasy.h"
#include "transfer/SprawdzenieKasy.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/TekstBledu.h"

namespace orbaklaw {

void PorownanieZKasa::Wykonaj() {
    Dialogi& dialogi = *okno_.dialogi;
    WymianaZKasa wymiana(okno_);
    const auto numer = wymiana.NumerZKonfiguracji();
    if (!numer) {
        okno_.akcje->Zglos(TekstBledu(numer.Blad()));
        return;
    }
    if (!*numer)
        return; // said, and the communication dialog was shown
    const auto odczyt = wymiana.Sesja(**numer).OdczytajDefinicje();
    const auto wKasie = DefinicjeZTekstu(odczyt.tresc);
    if (!odczyt.wynik.Udany() || !wKasie) {
        dialogi.Blad(QStringLiteral("Nie udało się odczytać definicji z kasy:\r") +
                     PowodNiepowodzenia(odczyt.wynik));
        return;
    }
    const auto roznice = Porownaj(*wKasie, okno_.stan->tablice);
    if (roznice.empty()) {
        dialogi.Komunikat(QStringLiteral("Definicje w kasie są takie same jak w tablicach."));
        return;
    }
    const NazwyKasy nazwy = NazwyZeStanu(*okno_.stan);
    QString tekst = QStringLiteral("Definicje w kasie różnią się od tablic (klawiszy: %1):")
                        .arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" / w tablicach: "), nazwy);
    dialogi.Komunikat(tekst);
}

} // namespace orbaklaw

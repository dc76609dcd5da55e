#include "transfer/PorownanieZKasa.h"

#include "state/Stan.h"
#include "transfer/KopiaPrzedZmiana.h"
#include "transfer/SprawdzenieKasy.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Dialogi.h"

namespace orbaklaw {

void PorownanieZKasa::Wykonaj() {
    Dialogi& dialogi = *okno_.dialogi;
    WymianaZKasa wymiana(okno_);
    const auto numer =
        wymiana.NumerZKonfiguracji(QStringLiteral("Należy ustawić parametry komunikacji"));
    if (!numer)
        return; // said, and the communication dialog was shown
    KopiaPrzedZmiana kopia(wymiana, dialogi);
    QString powod;
    const auto wKasie = DefinicjeZTekstu(kopia.Odczytaj(*numer, &powod));
    if (!wKasie) {
        dialogi.Blad(QStringLiteral("Nie udało się odczytać definicji z kasy:\r") + powod);
        return;
    }
    const auto roznice = Porownaj(*wKasie, Stan().tablice);
    if (roznice.empty()) {
        dialogi.Komunikat(QStringLiteral("Definicje w kasie są takie same jak w tablicach."));
        return;
    }
    NazwyKasy nazwy;
    nazwy.towary = Stan().towary;
    QString tekst = QStringLiteral("Definicje w kasie różnią się od tablic (klawiszy: %1):")
                        .arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" / w tablicach: "), nazwy);
    dialogi.Komunikat(tekst);
}

} // namespace orbaklaw

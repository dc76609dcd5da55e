#include "transfer/SprawdzenieKasy.h"

#include "format/KomunikatyBledow.h"
#include "format/ListyWyboru.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/PorownanieDefinicji.h"
#include "transfer/SesjaKasy.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

#include <QDir>

namespace orbaklaw {

QString WierszRoznicy(const RoznicaKlawisza& r, const QString& laczenie, const NazwyKasy& nazwy) {
    const auto pozycja = PozycjaMiejsca(r.miejsce);
    const QString nazwa = pozycja ? Z1250(NazwaKlawisza(pozycja->wariant, pozycja->nr)) : QString();
    return nazwa + QStringLiteral(": ") + Z1250(OpisDefinicji(r.a, nazwy)) + laczenie +
           Z1250(OpisDefinicji(r.b, nazwy));
}

QString OpisKopii(const std::optional<std::filesystem::path>& plik) {
    if (!plik)
        return QStringLiteral("Kopii zapasowej nie zachowano.");
    return QStringLiteral("Kopia zapasowa: ") +
           QDir::toNativeSeparators(QString::fromStdString(plik->string()));
}

OpisSprawdzenia SprawdzKase(SesjaKasy& sesja, const WynikZmiany& zmiana) {
    if (zmiana.stan)
        return {};
    const WynikSprawdzenia wynik = sesja.Sprawdz();
    const QString kopiaZapasowa = OpisKopii(sesja.PlikKopii());
    if (!wynik.odczyt.Udany())
        return {false, QStringLiteral("Nie udało się sprawdzić definicji w kasie: ") +
                           PowodNiepowodzenia(wynik.odczyt) + QStringLiteral("\r") + kopiaZapasowa};
    if (wynik.roznice.empty())
        return {false, QStringLiteral("Definicje w kasie sprawdzono: są takie, jakie miały "
                                      "być.\r") +
                           kopiaZapasowa};
    QString tekst = QStringLiteral("Definicje w kasie różnią się od tych, jakie miały być "
                                   "(klawiszy: %1):")
                        .arg(wynik.roznice.size());
    for (const auto& r : wynik.roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" zamiast "));
    return {true, tekst + QStringLiteral("\r") + kopiaZapasowa};
}

void PokazOdmoweZmiany(Dialogi& dialogi, const WynikZmiany& zmiana, bool kasowanie) {
    const uint8_t kod = zmiana.wynik.kod;
    if (zmiana.stan)
        dialogi.Blad(Z1250(KomunikatBledu(kod)) + QStringLiteral("\r") +
                     Z1250(OpisStanu(*zmiana.stan, kasowanie)));
    else
        PokazNiepowodzenie(dialogi, zmiana.wynik);
}

} // namespace orbaklaw

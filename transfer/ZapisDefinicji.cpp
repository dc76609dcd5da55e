#include "transfer/ZapisDefinicji.h"
#include "files/NazwyStale.h"

#include "comm/PokazBlad.h"
#include "files/NazwyPlikow.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "keys/WyborKlawisza.h"
#include "orbaklaw/kasdrv_kody.h"
#include "state/Stan.h"
#include "transfer/KopiaPrzedZmiana.h"
#include "transfer/SprawdzenieZmiany.h"
#include "transfer/WymianaZKasa.h"
#include "transfer/ZmianyDefinicji.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"

#include <QDir>
#include <QFileInfo>

namespace orbaklaw {

ZapisDefinicji::ZapisDefinicji(const OknoTransferu& okno) : okno_(okno), dialogi_(*okno.dialogi) {}

void ZapisDefinicji::CzytajNumerKasy() {
    WymianaZKasa wymiana(okno_);
    if (auto numer =
            wymiana.NumerZKonfiguracji(QStringLiteral("Należy ustawić parametry komunikacji")))
        Stan().NumerKasy = *numer;
}

void ZapisDefinicji::DoKasy() {
    CzytajNumerKasy();
    if (Zapisz(NazwaPlikuKlawiszy, QString::fromLatin1(NazwaPlikuKlawiszy))) {
        if (!ZachowajKopie() || !WyslijDoKasy())
            return;
    }
    okno_.wybor->WybierzF1();
}

// What the register holds is kept before it is replaced.
bool ZapisDefinicji::ZachowajKopie() {
    WymianaZKasa wymiana(okno_);
    KopiaPrzedZmiana kopia(wymiana, dialogi_);
    const bool dalej = kopia.Zachowaj(
        Stan().NumerKasy, QStringLiteral("Czy mimo to zapisać definicje klawiszy do kasy?"));
    poprzednie_ = kopia.Odczytane();
    return dalej;
}

void ZapisDefinicji::DoPliku() {
    CzytajNumerKasy();
    const auto plik = dialogi_.ZapiszPlik(*okno_.zapisPliku);
    if (!plik)
        return;
    const QString nazwa = QFileInfo(*plik).fileName();
    if (NazwaZastrzezona(SciezkaSystemu(nazwa).string())) {
        dialogi_.Blad(QStringLiteral("BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU (") + nazwa +
                      QStringLiteral(")"));
        return;
    }
    const QString pelna = QDir::toNativeSeparators(*plik);
    if (Zapisz(SciezkaSystemu(*plik), pelna)) {
        ZapamietajDefinicje(Stan());
        dialogi_.Komunikat(QStringLiteral("Definicje klawiszy zapisano do pliku ") + pelna);
    }
    okno_.wybor->WybierzF1();
}

bool ZapisDefinicji::Zapisz(const std::filesystem::path& plik, const QString& nazwa) {
    try {
        ZapiszPlikDefinicji(Stan().tablice, plik, Stan().NumerKasy);
        return true;
    } catch (const BladWejsciaWyjscia& e) {
        dialogi_.Blad(QStringLiteral("Nie zapisano definicji klawiszy do pliku ") + nazwa +
                      QStringLiteral("\r") + TekstBledu(e));
        return false;
    }
}

bool ZapisDefinicji::WyslijDoKasy() {
    try {
        WymianaZKasa wymiana(okno_);
        uint8_t kod = wymiana.Wywolaj(
            [](BibliotekaKasdrv& kasdrv) { return kasdrv.ZDefKlaw(NazwaPlikuKlawiszy); });
        // A reply lost after the request: what the register holds decides.
        KopiaPrzedZmiana kopia(wymiana, dialogi_);
        const ZmianaWKasie zmiana{false, Stan().tablice, DefinicjeZTekstu(poprzednie_)};
        const auto stan =
            SprawdzPoZmianie(kod, zmiana, [&] { return kopia.Odczytaj(Stan().NumerKasy); });
        QString uwaga;
        if (stan) {
            uwaga = Z1250(OpisStanu(*stan, false)) + QStringLiteral("\r");
            if (*stan == StanPoZmianie::Nowe)
                kod = 0;
            Stan().KodBledu = kod; // the write's, not the read's after it
        }
        if (kod == KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI) {
            dialogi_.Pokaz({QStringLiteral("Zbyt dużo płatności.Należy skasować wszystkie "
                                           "klawisze i ponowić zapis."),
                            QStringLiteral("Error"), Ikona::Blad, Przyciski::Tak});
            return false;
        }
        if (kod == 0) {
            ZapamietajDefinicje(Stan());
            dialogi_.Komunikat(uwaga +
                               QStringLiteral("Definicje klawiszy zapisano do kasy i do pliku ") +
                               QString::fromLatin1(NazwaPlikuKlawiszy));
        } else if (stan) {
            dialogi_.Blad(Z1250(KomunikatBledu(kod)) + QStringLiteral("\r") + uwaga.chopped(1));
        } else {
            PokazBlad(dialogi_, kod);
        }
    } catch (const std::exception&) {
        dialogi_.Komunikat(QStringLiteral("Wystąpił wyjątek w zapisie definicji klawiszy"));
    }
    return true;
}

} // namespace orbaklaw

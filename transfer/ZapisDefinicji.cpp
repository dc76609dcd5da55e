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
#include "transfer/SprawdzenieKasy.h"
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
        if (!ZachowajKopie() || !PotwierdzZmiany() || !WyslijDoKasy())
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
    plikKopii_ = kopia.PlikKopii();
    return dalej;
}

// The keys the write will change, from what the register holds as read for
// the backup; without that read there is nothing to compare with.
bool ZapisDefinicji::PotwierdzZmiany() {
    const auto wKasie = DefinicjeZTekstu(poprzednie_);
    if (!wKasie)
        return true;
    const auto roznice = Porownaj(*wKasie, Stan().tablice);
    if (roznice.empty()) {
        ZapamietajDefinicje(Stan());
        dialogi_.Komunikat(QStringLiteral("Definicje w kasie są takie same jak w tablicach: "
                                          "nic nie wysłano do kasy."));
        return false;
    }
    NazwyKasy nazwy;
    nazwy.towary = Stan().towary;
    QString tekst = QStringLiteral("Zapis zmieni definicje klawiszy (%1):").arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" → "), nazwy);
    return dialogi_.Pytanie(tekst + QStringLiteral("\rCzy zapisać definicje klawiszy do kasy?"),
                            QStringLiteral("Zapis do kasy"), Odpowiedz::Tak);
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
            Zapisano(kopia, zmiana, uwaga, !stan);
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

// The register took the write; unless a lost reply already made us read it,
// it is read back and compared with what was sent.
void ZapisDefinicji::Zapisano(KopiaPrzedZmiana& kopia, const ZmianaWKasie& zmiana,
                              const QString& uwaga, bool sprawdz) {
    QString dopisek;
    if (sprawdz) {
        const auto wynik = SprawdzKase(kopia, Stan().NumerKasy, zmiana, plikKopii_);
        if (wynik.rozne) {
            dialogi_.Blad(wynik.tekst);
            return;
        }
        dopisek = QStringLiteral("\r") + wynik.tekst;
    }
    ZapamietajDefinicje(Stan());
    dialogi_.Komunikat(uwaga + QStringLiteral("Definicje klawiszy zapisano do kasy i do pliku ") +
                       QString::fromLatin1(NazwaPlikuKlawiszy) + dopisek);
}

} // namespace orbaklaw

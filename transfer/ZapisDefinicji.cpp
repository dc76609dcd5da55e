#include "transfer/ZapisDefinicji.h"
#include "files/NazwyStale.h"

#include "comm/BibliotekiKasy.h"
#include "comm/PostepOperacji.h"
#include "comm/WymianaWTle.h"
#include "files/NazwyPlikow.h"
#include "files/PlikTekstowy.h"
#include "files/PlikZastrzezony.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "keys/StanKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "orbaklaw/kasdrv_kody.h"
#include "state/StanProgramu.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/SesjaKasy.h"
#include "transfer/SprawdzenieKasy.h"
#include "transfer/SprawdzenieZmiany.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"

#include <QDir>
#include <QFileInfo>

namespace orbaklaw {

ZapisDefinicji::ZapisDefinicji(const OknoTransferu& okno) : okno_(okno), dialogi_(*okno.dialogi) {}

ZapisDefinicji::~ZapisDefinicji() = default;

bool ZapisDefinicji::CzytajNumerKasy() {
    WymianaZKasa wymiana(okno_);
    const auto numer = wymiana.NumerZKonfiguracji();
    if (!numer) {
        okno_.akcje->Zglos(TekstBledu(numer.Blad()));
        return false;
    }
    if (*numer)
        okno_.stan->NumerKasy = **numer;
    return true;
}

void ZapisDefinicji::DoKasy() {
    if (!CzytajNumerKasy())
        return;
    if (Zapisz(NazwaPlikuKlawiszy, QString::fromLatin1(NazwaPlikuKlawiszy))) {
        WymianaZKasa wymiana(okno_);
        SesjaKasy& sesja = wymiana.Sesja(okno_.stan->NumerKasy);
        // The backup read, the write and the check after it under one bar.
        postep_ = okno_.biblioteki->Operacja(WymianaWTle::Opis(OperacjaKasy::ZapisDefinicji), 3);
        if (!ZachowajKopie(sesja) || !PotwierdzZmiany(sesja) || !WyslijDoKasy(sesja))
            return;
    }
    okno_.wybor->WybierzF1();
}

// What the register holds is kept before it is replaced.
bool ZapisDefinicji::ZachowajKopie(SesjaKasy& sesja) {
    return DalejBezKopii(dialogi_, sesja.ZachowajKopie(),
                         QStringLiteral("Czy mimo to zapisać definicje klawiszy do kasy?"));
}

// The keys the write will change, from what the register holds as read for
// the backup; without that read there is nothing to compare with.
bool ZapisDefinicji::PotwierdzZmiany(const SesjaKasy& sesja) {
    const auto zmiany = sesja.ZmianyZapisu(okno_.stan->tablice);
    if (!zmiany)
        return true;
    const auto& roznice = *zmiany;
    if (roznice.empty()) {
        postep_.reset();
        ZapamietajDefinicje(*okno_.stan, "odczyt z kasy nr " + sesja.NumerKasy());
        dialogi_.Komunikat(QStringLiteral("Definicje w kasie są takie same jak w tablicach: "
                                          "nic nie wysłano do kasy."));
        return false;
    }
    const NazwyKasy nazwy = NazwyZeStanu(*okno_.stan);
    QString tekst = QStringLiteral("Zapis zmieni definicje klawiszy (%1):").arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" → "), nazwy);
    return dialogi_.Pytanie(tekst + QStringLiteral("\rCzy zapisać definicje klawiszy do kasy?"),
                            QStringLiteral("Zapis do kasy"), Odpowiedz::Tak);
}

void ZapisDefinicji::DoPliku() {
    if (!CzytajNumerKasy())
        return;
    const auto plik = dialogi_.ZapiszPlik(*okno_.zapisPliku);
    if (!plik)
        return;
    const QString nazwa = QFileInfo(*plik).fileName();
    if (NazwaZastrzezona(SciezkaSystemu(nazwa).string())) {
        dialogi_.Blad(Z1250(BladZastrzezonejNazwy("%1")).arg(nazwa));
        return;
    }
    if (const auto zastrzezony = PlikZastrzezony(SciezkaSystemu(*plik))) {
        dialogi_.Blad(Z1250(BladZastrzezonejNazwy(*zastrzezony)));
        return;
    }
    const QString pelna = QDir::toNativeSeparators(*plik);
    if (Zapisz(SciezkaSystemu(*plik), pelna)) {
        ZapamietajDefinicje(*okno_.stan, "zapis do pliku " + pelna.toStdString());
        dialogi_.Komunikat(QStringLiteral("Definicje klawiszy zapisano do pliku ") + pelna);
    }
    okno_.wybor->WybierzF1();
}

bool ZapisDefinicji::Zapisz(const std::filesystem::path& plik, const QString& nazwa) {
    const auto zapis = ZapiszPlikDefinicji(okno_.stan->tablice, plik, okno_.stan->NumerKasy);
    if (!zapis)
        dialogi_.Blad(QStringLiteral("Nie zapisano definicji klawiszy do pliku ") + nazwa +
                      QStringLiteral("\r") + TekstBledu(zapis.Blad()));
    return zapis.Udany();
}

bool ZapisDefinicji::WyslijDoKasy(SesjaKasy& sesja) {
    const WynikZmiany zmiana = sesja.Zapisz(okno_.stan->tablice);
    const WynikKasy& wynik = zmiana.wynik;
    if (!wynik.Udany() || zmiana.stan)
        postep_.reset(); // no check follows
    if (wynik.rodzaj != Niepowodzenie::Brak && wynik.rodzaj != Niepowodzenie::Kasa) {
        dialogi_.Komunikat(QStringLiteral("Wystąpił wyjątek w zapisie definicji klawiszy"));
        return true;
    }
    // A reply lost after the request: what the register holds decided.
    const uint8_t kod = wynik.kod;
    if (kod == KASDRV_BRAK_MIEJSCA_NA_PLATNOSCI) {
        dialogi_.Pokaz({QStringLiteral("Zbyt dużo płatności.Należy skasować wszystkie "
                                       "klawisze i ponowić zapis."),
                        QStringLiteral("Error"), Ikona::Blad, Przyciski::Tak});
        return false;
    }
    if (kod == 0)
        Zapisano(sesja, zmiana);
    else
        PokazOdmoweZmiany(dialogi_, zmiana, false);
    return true;
}

// The register took the write: it is read back and compared with what was
// sent.
void ZapisDefinicji::Zapisano(SesjaKasy& sesja, const WynikZmiany& zmiana) {
    QString tekst =
        zmiana.stan ? Z1250(OpisStanu(*zmiana.stan, false)) + QStringLiteral("\r") : QString();
    tekst += Z1250(ZapisanoDoKasyIDoPliku());
    const auto sprawdzenie = SprawdzKase(sesja, zmiana);
    postep_.reset();
    if (sprawdzenie.rozne) {
        dialogi_.Blad(sprawdzenie.tekst);
        return;
    }
    if (!sprawdzenie.tekst.isEmpty())
        tekst += QStringLiteral("\r") + sprawdzenie.tekst;
    ZapamietajDefinicje(*okno_.stan, "zapis do kasy nr " + sesja.NumerKasy());
    dialogi_.Komunikat(tekst);
}

} // namespace orbaklaw

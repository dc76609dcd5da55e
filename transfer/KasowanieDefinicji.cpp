#include "transfer/KasowanieDefinicji.h"

#include "comm/BibliotekiKasy.h"
#include "comm/PostepOperacji.h"
#include "comm/WymianaWTle.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "keys/OpisKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "state/StanProgramu.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/PlikKasowania.h"
#include "transfer/SesjaKasy.h"
#include "transfer/SprawdzenieKasy.h"
#include "transfer/SprawdzenieZmiany.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"

namespace orbaklaw {

KasowanieDefinicji::KasowanieDefinicji(const OknoTransferu& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {}

void KasowanieDefinicji::Wykonaj() {
    WymianaZKasa wymiana(okno_);
    // The number is this deletion's own; NumerKasy stays as it is.
    const auto zKonfiguracji = wymiana.NumerZKonfiguracji();
    if (!zKonfiguracji) {
        okno_.akcje->Zglos(TekstBledu(zKonfiguracji.Blad()));
        return;
    }
    const std::string numer = zKonfiguracji->value_or("");
    // What the register holds is read first, to show what the deletion
    // clears, and kept before it is deleted.
    SesjaKasy& sesja = wymiana.Sesja(numer);
    // The read, the deletion and the check after it under one bar.
    auto postep =
        okno_.biblioteki->Operacja(WymianaWTle::Opis(OperacjaKasy::KasowanieDefinicji), 3);
    const WynikKasy odczyt = sesja.CzytajPrzedZmiana();
    // A register that can't be read is said so first: the question is then
    // whether to go on without the list and the backup.
    const QString przedPytaniem = odczyt.Udany() ? DoSkasowania(sesja) : BezOdczytu(odczyt);
    if (!dialogi_.Pytanie(przedPytaniem +
                              QStringLiteral("Czy skasować wszystkie definicje klawiszy w kasie?"),
                          QStringLiteral("Uwaga"), Odpowiedz::Nie))
        return;
    if (!UsunStaryPlik())
        return;
    if (odczyt.Udany() &&
        !DalejBezKopii(dialogi_, sesja.ZachowajKopie(),
                       QStringLiteral("Czy mimo to skasować definicje klawiszy w kasie?")))
        return;
    const WynikZmiany zmiana = sesja.Kasuj();
    if (!zmiana.wynik.Udany() || zmiana.stan)
        postep.reset(); // no check follows
    if (zmiana.wynik.rodzaj != Niepowodzenie::Brak && zmiana.wynik.rodzaj != Niepowodzenie::Kasa) {
        DoObslugiBledu(*okno_.akcje, zmiana.wynik);
        return;
    }
    // A reply lost after the request: what the register holds decided.
    const uint8_t kod = zmiana.wynik.kod;
    if (kod != 0) {
        PokazOdmoweZmiany(dialogi_, zmiana, true);
        return;
    }
    // The register took it: it is read back and compared.
    const auto sprawdzenie = SprawdzKase(sesja, zmiana);
    postep.reset();
    if (sprawdzenie.rozne) {
        dialogi_.Blad(sprawdzenie.tekst);
        return;
    }
    PokazWynik(zmiana.stan ? Z1250(OpisStanu(*zmiana.stan, true)) : QString(),
               sprawdzenie.tekst.isEmpty() ? QString() : QStringLiteral("\r") + sprawdzenie.tekst);
}

QString KasowanieDefinicji::DoSkasowania(const SesjaKasy& sesja) const {
    const auto roznice = sesja.ZmianyKasowania();
    if (!roznice)
        return {};
    if (roznice->empty())
        return QStringLiteral("W kasie nie ma zdefiniowanych klawiszy do skasowania.\r");
    const NazwyKasy nazwy = NazwyZeStanu(*okno_.stan);
    QString tekst = QStringLiteral("Kasowanie wyczyści klawisze (%1):").arg(roznice->size());
    for (const auto& r : *roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" → "), nazwy);
    return tekst + QStringLiteral("\r");
}

QString KasowanieDefinicji::BezOdczytu(const WynikKasy& odczyt) {
    return QStringLiteral("Nie udało się odczytać definicji klawiszy z kasy, więc nie ma ich "
                          "listy ani kopii zapasowej:\r") +
           PowodNiepowodzenia(odczyt) + QStringLiteral("\r");
}

bool KasowanieDefinicji::UsunStaryPlik() {
    const auto stary = ZnajdzPlik(NazwaPlikuKasowania);
    std::error_code ec;
    if (!std::filesystem::exists(stary, ec) || std::filesystem::remove(stary, ec))
        return true;
    dialogi_.Komunikat(QStringLiteral("Nie udało się skasować definicji klawiszy"));
    return false;
}

void KasowanieDefinicji::PokazWynik(const QString& uwaga, const QString& dopisek) {
    // The register lost what the tables lose; other unsaved changes stay so.
    okno_.stan->tablice.WyczyscLiczone();
    okno_.stan->zachowane.WyczyscLiczone();
    okno_.wybor->WybierzF1();
    okno_.opis->OpiszKlawisze(true);
    dialogi_.Komunikat((uwaga.isEmpty() ? QString() : uwaga + QStringLiteral("\r")) +
                       QStringLiteral("Skasowano definicje klawiszy") + dopisek);
}

} // namespace orbaklaw

#include "transfer/KasowanieDefinicji.h"

#include "comm/PokazBlad.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "keys/OpisKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "state/Stan.h"
#include "transfer/KopiaPrzedZmiana.h"
#include "transfer/PlikKasowania.h"
#include "transfer/SprawdzenieKasy.h"
#include "transfer/SprawdzenieZmiany.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"

namespace orbaklaw {

KasowanieDefinicji::KasowanieDefinicji(const OknoTransferu& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {}

void KasowanieDefinicji::Wykonaj() {
    WymianaZKasa wymiana(okno_);
    // The number is this deletion's own; NumerKasy stays as it is.
    const std::string numer =
        wymiana.NumerZKonfiguracji(QStringLiteral("Należy ustawić parametry komunikacji"))
            .value_or("");
    // What the register holds is read first, to show what the deletion
    // clears, and kept before it is deleted.
    KopiaPrzedZmiana kopia(wymiana, dialogi_);
    kopia.Przeczytaj(numer);
    if (!dialogi_.Pytanie(DoSkasowania(kopia.Odczytane()) +
                              QStringLiteral("Czy skasować wszystkie definicje klawiszy w kasie?"),
                          QStringLiteral("Uwaga"), Odpowiedz::Nie))
        return;
    if (!UsunStaryPlik())
        return;
    if (!kopia.Zachowaj(numer, QStringLiteral("Czy mimo to skasować definicje klawiszy w kasie?")))
        return;
    ZapiszAtomowo(NazwaPlikuKasowania, TekstPlikuKasowania(numer));
    uint8_t kod = wymiana.Wywolaj(
        [](BibliotekaKasdrv& kasdrv) { return kasdrv.KDefKlaw(NazwaPlikuKasowania); });
    // A reply lost after the request: what the register holds decides.
    const ZmianaWKasie zmiana{true, {}, DefinicjeZTekstu(kopia.Odczytane())};
    const auto stan = SprawdzPoZmianie(kod, zmiana, [&] { return kopia.Odczytaj(numer); });
    const QString uwaga = stan ? Z1250(OpisStanu(*stan, true)) : QString();
    if (stan == StanPoZmianie::Nowe)
        kod = 0;
    if (stan)
        Stan().KodBledu = kod; // the deletion's, not the read's after it
    if (kod != 0) {
        if (stan)
            dialogi_.Blad(Z1250(KomunikatBledu(kod)) + QStringLiteral("\r") + uwaga);
        else
            PokazBlad(dialogi_, kod);
        return;
    }
    // The register took it: unless a lost reply already made us read it, it
    // is read back and compared.
    QString dopisek;
    if (!stan) {
        const auto wynik = SprawdzKase(kopia, numer, zmiana, kopia.PlikKopii());
        if (wynik.rozne) {
            dialogi_.Blad(wynik.tekst);
            return;
        }
        dopisek = QStringLiteral("\r") + wynik.tekst;
    }
    PokazWynik(uwaga, dopisek);
}

QString KasowanieDefinicji::DoSkasowania(const std::optional<std::string>& wKasie) {
    const auto definicje = DefinicjeZTekstu(wKasie);
    if (!definicje)
        return {};
    const auto roznice = Porownaj(*definicje, Oczekiwane({true, {}, definicje}, *definicje));
    if (roznice.empty())
        return QStringLiteral("W kasie nie ma zdefiniowanych klawiszy do skasowania.\r");
    NazwyKasy nazwy;
    nazwy.towary = Stan().towary;
    QString tekst = QStringLiteral("Kasowanie wyczyści klawisze (%1):").arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" → "), nazwy);
    return tekst + QStringLiteral("\r");
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
    Stan().tablice.WyczyscLiczone();
    Stan().zachowane.WyczyscLiczone();
    okno_.wybor->WybierzF1();
    std::error_code ec;
    std::filesystem::remove(NazwaPlikuKasowania, ec);
    okno_.opis->OpiszKlawisze(true);
    dialogi_.Komunikat((uwaga.isEmpty() ? QString() : uwaga + QStringLiteral("\r")) +
                       QStringLiteral("Skasowano definicje klawiszy") + dopisek);
}

} // namespace orbaklaw

#include "transfer/TransferDefinicji.h"

#include "transfer/KasowanieDefinicji.h"
#include "transfer/KopiaZapasowa.h"
#include "transfer/OdczytDefinicji.h"
#include "transfer/OdczytStartowy.h"
#include "transfer/OknoKopii.h"
#include "transfer/PorownanieZKasa.h"
#include "transfer/PytanieOZmianach.h"
#include "transfer/ZapisDefinicji.h"

#include "state/StanProgramu.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Dialogi.h"
#include "ui/MenuOkna.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"

namespace orbaklaw {

namespace {
bool Nadawca(const QObject* nadawca, const char* nazwa) {
    return nadawca != nullptr && nadawca->objectName() == QLatin1String(nazwa);
}
} // namespace

void TransferDefinicji::bOdczytClick(QObject* nadawca) {
    OdczytDefinicji odczyt(okno_);
    const bool zPliku = Nadawca(nadawca, "bOdczytPlik");
    // A read replaces every definition: changes written nowhere are asked about first.
    if (!MoznaUtracicZmiany(*okno_.dialogi, *okno_.stan,
                            zPliku ? UtrataZmian::OdczytZPliku : UtrataZmian::OdczytZKasy))
        return;
    if (zPliku)
        odczyt.ZPliku();
    else
        odczyt.ZKasy();
}

void TransferDefinicji::bZapisClick(QObject* nadawca) {
    ZapisDefinicji zapis(okno_);
    if (Nadawca(nadawca, "bZapisPlik"))
        zapis.DoPliku();
    else
        zapis.DoKasy();
}

void TransferDefinicji::OdczytStartowy() {
    orbaklaw::OdczytStartowy(okno_).Wykonaj();
}

void TransferDefinicji::bKasowanieClick() {
    KasowanieDefinicji(okno_).Wykonaj();
}

bool TransferDefinicji::MoznaZamknac() {
    return MoznaUtracicZmiany(*okno_.dialogi, *okno_.stan, UtrataZmian::Zamkniecie);
}

void TransferDefinicji::DodajDoMenu(MenuOkna& menu) {
    menu.Dodaj(QStringLiteral("&Kasa"), QStringLiteral("Po&równaj z kasą"),
               QStringLiteral("PorownajZKasa"), [this] { PorownanieZKasa(okno_).Wykonaj(); });
    menu.Dodaj(QStringLiteral("&Kasa"), QStringLiteral("Kopie &zapasowe..."),
               QStringLiteral("KopieZapasowe"), [this] { KopieZapasowe(); });
}

void TransferDefinicji::KopieZapasowe() {
    Dialogi& dialogi = *okno_.dialogi;
    WymianaZKasa wymiana(okno_);
    std::filesystem::path folder;
    std::vector<KopiaKasy> kopie;
    const auto numer = wymiana.NumerZKonfiguracji();
    if (!numer) {
        dialogi.Blad(TekstBledu(numer.Blad()));
        return;
    }
    if (!*numer)
        return;
    // The folder or the register number refused: said as the message has it.
    const auto blad = [&dialogi](const BladWejsciaWyjscia& b) {
        dialogi.Blad(Z1250(b.Komunikat()));
    };
    const auto folderKopii = FolderKopii();
    if (!folderKopii)
        return blad(folderKopii.Blad());
    folder = *folderKopii;
    auto lista = KopieKasy(folder, **numer, okno_.stan->tablice);
    if (!lista)
        return blad(lista.Blad());
    kopie = *std::move(lista);
    OknoKopii okno(okno_.okno, dialogi, folder, std::move(kopie), *okno_.stan);
    dialogi.Modalnie(okno);
    if (okno.DoWczytania() && MoznaUtracicZmiany(dialogi, *okno_.stan, UtrataZmian::OdczytZPliku))
        OdczytDefinicji(okno_).ZKopii(*okno.DoWczytania());
}

} // namespace orbaklaw

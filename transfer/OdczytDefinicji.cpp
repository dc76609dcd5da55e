#include "transfer/OdczytDefinicji.h"
#include "files/NazwyStale.h"

#include "comm/NumerKasy.h"
#include "comm/PlikZapytania.h"
#include "comm/PokazBlad.h"
#include "format/PlikDefinicji.h"
#include "keys/OpisKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "state/Stan.h"
#include "transfer/WymianaZKasa.h"
#include "transfer/ZmianyDefinicji.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"
#include "widgets/GrupaRadiowa.h"

namespace orbaklaw {

namespace {

// The request file goes whatever the call does.
class UsunPlikNaKoniec {
public:
    explicit UsunPlikNaKoniec(const char* plik) : plik_(plik) {}
    ~UsunPlikNaKoniec() {
        std::error_code ec;
        std::filesystem::remove(plik_, ec);
    }
    UsunPlikNaKoniec(const UsunPlikNaKoniec&) = delete;
    UsunPlikNaKoniec& operator=(const UsunPlikNaKoniec&) = delete;

private:
    const char* plik_;
};
} // namespace

OdczytDefinicji::OdczytDefinicji(const OknoTransferu& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {}

void OdczytDefinicji::ZKasy() {
    if (PobierzZKasy() && Wczytaj(NazwaPlikuKlawiszy))
        Stan().ZrodloDefinicji = "odczyt z kasy nr " + Stan().NumerKasy;
}

void OdczytDefinicji::ZPliku() {
    const auto plik = dialogi_.OtworzPlik(*okno_.odczytPliku);
    if (!plik)
        return;
    if (Wczytaj(SciezkaSystemu(*plik)))
        Stan().ZrodloDefinicji = "plik " + plik->toStdString();
}

void OdczytDefinicji::ZKopii(const std::filesystem::path& plik) {
    if (Wczytaj(plik))
        Stan().ZrodloDefinicji = "plik " + plik.string();
}

bool OdczytDefinicji::PobierzZKasy() {
    WymianaZKasa wymiana(okno_);
    auto& stan = Stan();
    if (auto numer =
            wymiana.NumerZKonfiguracji(QStringLiteral("Należy ustawic parametry komunikacji")))
        stan.NumerKasy = *numer;
    if (!UtworzPlikWejsciowy(NazwaPlikuZapytania, NumerKasyJakoLiczba(stan.NumerKasy))) {
        dialogi_.Komunikat(QStringLiteral("Nie udało się stworzyc pliku wejsciowego"));
        return false;
    }
    uint8_t kod = 0;
    {
        UsunPlikNaKoniec usun(NazwaPlikuZapytania);
        kod = wymiana.Wywolaj([](BibliotekaKasdrv& kasdrv) {
            return kasdrv.ODefKlaw(NazwaPlikuZapytania, NazwaPlikuKlawiszy);
        });
    }
    // A refused read ends here: an old "klawisz.txt" is not the register's content.
    if (kod != 0) {
        PokazBlad(dialogi_, kod);
        return false;
    }
    return true;
}

bool OdczytDefinicji::Wczytaj(const std::filesystem::path& plik) {
    TabliceKlawiszy nowe = Stan().tablice;
    nowe.WyczyscDoOdczytu();
    const auto wynik = CzytajPlikDefinicji(nowe, plik);
    if (!wynik.poprawny) {
        dialogi_.Komunikat(Z1250(KomunikatBlednegoFormatu(wynik.zlaLinia)));
        return false;
    }
    Stan().tablice = nowe;
    ZapamietajDefinicje(Stan());
    PokazWynik();
    return true;
}

void OdczytDefinicji::PokazWynik() {
    okno_.alty->UstawItemIndex(Bezp);
    okno_.wybor->WybierzF1();
    okno_.opis->OpiszKlawisze(true);
}

} // namespace orbaklaw

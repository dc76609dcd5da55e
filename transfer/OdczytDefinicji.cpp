#include "transfer/OdczytDefinicji.h"
#include "files/NazwyStale.h"

#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "keys/OpisKlawiszy.h"
#include "keys/StanKlawiszy.h"
#include "keys/WyborKlawisza.h"
#include "state/StanProgramu.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/WymianaZKasa.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"
#include "widgets/GrupaRadiowa.h"

namespace orbaklaw {

OdczytDefinicji::OdczytDefinicji(const OknoTransferu& okno)
    : okno_(okno), dialogi_(*okno.dialogi) {}

void OdczytDefinicji::ZKasy() {
    if (PobierzZKasy())
        Wczytaj(NazwaPlikuKlawiszy, "odczyt z kasy nr " + okno_.stan->NumerKasy);
}

void OdczytDefinicji::ZPliku() {
    const auto plik = dialogi_.OtworzPlik(*okno_.odczytPliku);
    if (plik)
        Wczytaj(SciezkaSystemu(*plik), "plik " + plik->toStdString());
}

void OdczytDefinicji::ZKopii(const std::filesystem::path& plik) {
    Wczytaj(plik, "kopia zapasowa " + plik.string());
}

bool OdczytDefinicji::PobierzZKasy() {
    WymianaZKasa wymiana(okno_);
    auto& stan = *okno_.stan;
    const auto numer =
        wymiana.NumerZKonfiguracji(QStringLiteral("Należy ustawic parametry komunikacji"));
    if (!numer) {
        okno_.akcje->Zglos(TekstBledu(numer.Blad()));
        return false;
    }
    if (*numer)
        stan.NumerKasy = **numer;
    const WynikKasy wynik =
        wymiana.Sesja(stan.NumerKasy).OdczytajDefinicje(NazwaPlikuKlawiszy).wynik;
    switch (wynik.rodzaj) {
    case Niepowodzenie::Zapytanie:
        dialogi_.Komunikat(Z1250(NieUtworzonoZapytania()));
        return false;
    case Niepowodzenie::Kasa:
        // A refused read ends here: an old "klawisz.txt" is not the register's content.
        PokazNiepowodzenie(dialogi_, wynik);
        return false;
    case Niepowodzenie::Biblioteka:
    case Niepowodzenie::NumerKasy:
        DoObslugiBledu(*okno_.akcje, wynik);
        return false;
    case Niepowodzenie::Brak:
    case Niepowodzenie::Odpowiedz:
    case Niepowodzenie::Plik:
        break;
    }
    // The reply is taken as a file the user picked would be, and what is
    // wrong with it said so.
    return true;
}

bool OdczytDefinicji::Wczytaj(const std::filesystem::path& plik, std::string zrodlo) {
    TabliceKlawiszy nowe = okno_.stan->tablice;
    nowe.WyczyscDoOdczytu();
    const auto odczyt = CzytajPlikDefinicji(nowe, plik);
    if (!odczyt) {
        okno_.akcje->Zglos(odczyt.Blad());
        return false;
    }
    const auto& wynik = *odczyt;
    if (!wynik.poprawny) {
        dialogi_.Komunikat(Z1250(KomunikatBlednegoFormatu(wynik.zlaLinia)));
        return false;
    }
    okno_.stan->tablice = nowe;
    ZapamietajDefinicje(*okno_.stan, std::move(zrodlo));
    PokazWynik();
    return true;
}

void OdczytDefinicji::PokazWynik() {
    okno_.alty->UstawItemIndex(Bezp);
    okno_.wybor->WybierzF1();
    okno_.opis->OpiszKlawisze(true);
}

} // namespace orbaklaw

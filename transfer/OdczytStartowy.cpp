#include "transfer/OdczytStartowy.h"

#include "comm/BibliotekiKasy.h"
#include "comm/ZapisanaKonfiguracja.h"
#include "files/GraniceOdczytu.h"
#include "files/NazwyStale.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/Konfiguracja.h"
#include "format/OdpowiedziKasy.h"
#include "keys/PanelDefinicji.h"
#include "keys/WyborKlawisza.h"
#include "state/StanProgramu.h"
#include "transfer/NiepowodzenieKasy.h"
#include "transfer/OdczytDefinicji.h"
#include "transfer/SesjaKasy.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"
#include "ui/TekstBledu.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <filesystem>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

bool Istnieje(const fs::path& plik) {
    std::error_code ec;
    return fs::exists(plik, ec);
}

void Usun(const fs::path& plik) {
    std::error_code ec; // a file that can't be deleted is left as it is
    fs::remove(plik, ec);
}

} // namespace

void OdczytStartowy::Wykonaj() {
    StanProgramu& stan = *okno_.stan;
    stan.towary.Wyczysc();
    okno_.panel->WypelnijTowary(stan.towary);
    const bool zKasy = Zapytaj();
    if (zKasy && !PobierzZKasy())
        return;
    const auto saTowary = WczytajTowary();
    if (!saTowary)
        return okno_.akcje->Zglos(saTowary.Blad());
    if (auto platnosci = WczytajPlatnosci(); !platnosci)
        return okno_.akcje->Zglos(platnosci.Blad());
    // The definitions are read once the payment chooser holds the
    // register's payment names, so that the payment keys are named by them.
    if (zKasy && *saTowary)
        OdczytDefinicji(okno_).ZKasy();
    okno_.panel->WypelnijTowary(stan.towary);
    PokazWybranyKlawisz();
}

// Filling the goods list again selects its first item; the key on show
// (F1 after a read) shows its own goods item again, so that a confirmation
// stores what it holds.
void OdczytStartowy::PokazWybranyKlawisz() {
    const int nr = okno_.wybor->WybranaPozycja();
    if (nr >= 0 && !okno_.panel->Klawisz->text().isEmpty())
        okno_.wybor->PokazKlawisz(nr);
}

bool OdczytStartowy::Zapytaj() {
    return okno_.dialogi->Pytanie(
        QStringLiteral(
            "Czy odczytać bazę towarową, płatności i  definicje klawiszy z podłączonej kasy?"),
        QStringLiteral("Odpowiedz..."));
}

bool OdczytStartowy::PobierzZKasy() {
    if (!UstalNumerKasy())
        return false;
    std::optional<PokazanaKlepsydra> klepsydra(std::in_place, *okno_.klepsydra);
    okno_.okno->repaint();
    SesjaKasy sesja(okno_.biblioteki->Kasdrv(), ".", okno_.stan->NumerKasy, okno_.stan->KodBledu);
    std::vector<std::string> towary;
    std::vector<std::string> platnosci;
    for (auto [czytaj, plik, linie] :
         {std::tuple{&SesjaKasy::OdczytajTowary, NazwaPlikuTowarow, &towary},
          std::tuple{&SesjaKasy::OdczytajPlatnosci, NazwaPlikuPlatnosci, &platnosci}}) {
        auto odczyt = (sesja.*czytaj)();
        const WynikKasy& wynik = odczyt.wynik;
        if (wynik.Udany()) {
            *linie = std::move(odczyt.tresc);
            continue;
        }
        klepsydra.reset();
        switch (wynik.rodzaj) {
        case Niepowodzenie::Kasa:
            // A failed exchange leaves no reply file to be read, old or new.
            Usun(ZnajdzPlik(plik));
            okno_.dialogi->Blad(Z1250(KomunikatBledu(wynik.kod)));
            break;
        case Niepowodzenie::Zapytanie:
            okno_.dialogi->Komunikat(QStringLiteral("Nie udało się stworzyć pliku wejsciowego"));
            break;
        default:
            DoObslugiBledu(*okno_.akcje, wynik);
            break;
        }
        return false;
    }
    towary_ = std::move(towary);
    platnosci_ = std::move(platnosci);
    return true;
}

// NumerKasy from the configuration file; without one the communication
// dialog comes first, and a save there sets NumerKasy.
bool OdczytStartowy::UstalNumerKasy() {
    const auto numer = NumerZapisanejKasy();
    if (!numer) {
        okno_.akcje->Zglos(TekstBledu(numer.Blad()));
        return false;
    }
    if (*numer) {
        okno_.stan->NumerKasy = **numer;
        return true;
    }
    okno_.pokazOknoKomunik();
    const fs::path zapisana = ZnajdzPlik(NazwaPlikuKonfiguracji);
    return Istnieje(zapisana) && !KonfiguracjaPusta(zapisana);
}

WynikPliku<bool> OdczytStartowy::WczytajTowary() {
    if (!towary_) {
        const fs::path plik = ZnajdzPlik(NazwaPlikuTowarow);
        if (!Istnieje(plik))
            return false;
        auto linie = CzytajLinie(plik, GranicePlikuTowarow);
        if (!linie)
            return linie.Blad();
        towary_ = *std::move(linie);
    }
    CzytajTowary(*towary_, okno_.stan->towary);
    return true;
}

// The payment names stand as the register wrote them; items 0 "GOTÓWKA"
// and 4 "EURO" stay.
WynikPliku<void> OdczytStartowy::WczytajPlatnosci() {
    if (!platnosci_) {
        const fs::path plik = ZnajdzPlik(NazwaPlikuPlatnosci);
        if (!Istnieje(plik))
            return {};
        auto linie = CzytajLinie(plik, GranicePlikuPlatnosci);
        if (!linie)
            return linie.Blad();
        platnosci_ = *std::move(linie);
    }
    const auto nazwy = CzytajPlatnosci(*platnosci_);
    for (size_t k = 0; k < nazwy.size(); ++k)
        if (nazwy[k]) {
            okno_.panel->cbPlatnosc->setItemText(static_cast<int>(k) + 1, Z1250(*nazwy[k]));
            okno_.stan->platnosci[k] = *nazwy[k];
        }
    return {};
}

} // namespace orbaklaw

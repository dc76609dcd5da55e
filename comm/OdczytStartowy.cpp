#include "comm/OdczytStartowy.h"
#include "files/NazwyStale.h"
#include "files/StronyKodowe.h"

#include "comm/BibliotekiKasy.h"
#include "comm/NumerKasy.h"
#include "comm/PlikZapytania.h"
#include "comm/PokazBlad.h"
#include "files/PlikTekstowy.h"
#include "format/Konfiguracja.h"
#include "format/OdpowiedziKasy.h"
#include "keys/PanelDefinicji.h"
#include "keys/WyborKlawisza.h"
#include "state/Stan.h"
#include "ui/Akcje.h"
#include "ui/Dialogi.h"
#include "ui/Tekst1250.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <filesystem>
#include <optional>

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

// The request file goes once the exchanges are over, whatever their end.
class PlikZadania {
public:
    PlikZadania() = default;
    ~PlikZadania() { Usun(NazwaPlikuZapytania); }
    PlikZadania(const PlikZadania&) = delete;
    PlikZadania& operator=(const PlikZadania&) = delete;
};
} // namespace

void OdczytStartowy::Wykonaj() {
    Stan().towary.Wyczysc();
    okno_.panel->WypelnijTowary(Stan().towary);
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
        okno_.odczytajDefinicje();
    okno_.panel->WypelnijTowary(Stan().towary);
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
    if (!UtworzPlikWejsciowy(NazwaPlikuZapytania, NumerKasyJakoLiczba(Stan().NumerKasy))) {
        klepsydra.reset();
        okno_.dialogi->Komunikat(QStringLiteral("Nie udało się stworzyć pliku wejsciowego"));
        return false;
    }
    const PlikZadania zadanie;
    for (auto [wymiana, plik] : {std::pair{&OdczytStartowy::TowarMax, NazwaPlikuTowarow},
                                 std::pair{&OdczytStartowy::OPlat, NazwaPlikuPlatnosci}}) {
        const uint8_t kod = (this->*wymiana)();
        if (kod != 0) {
            // A failed exchange leaves no reply file to be read, old or new.
            Usun(ZnajdzPlik(plik));
            klepsydra.reset();
            PokazBlad(*okno_.dialogi, kod);
            return false;
        }
    }
    return true;
}

// NumerKasy from the configuration file; without one the communication
// dialog comes first, and a save there sets NumerKasy.
bool OdczytStartowy::UstalNumerKasy() {
    const fs::path konfiguracja = ZnajdzPlik(NazwaPlikuKonfiguracji);
    if (Istnieje(konfiguracja) && !KonfiguracjaPusta(konfiguracja)) {
        const auto numer = CzytajNumerKasy(konfiguracja);
        if (!numer) {
            okno_.akcje->Zglos(BladWejsciaWyjscia("Nie można odczytać pliku KONFIG.TXT"_w1250));
            return false;
        }
        Stan().NumerKasy = *numer;
        return true;
    }
    pokazOknoKomunik_();
    const fs::path zapisana = ZnajdzPlik(NazwaPlikuKonfiguracji);
    return Istnieje(zapisana) && !KonfiguracjaPusta(zapisana);
}

uint8_t OdczytStartowy::TowarMax() {
    return biblioteki_.Kasdrv().TowarMax(NazwaPlikuZapytania, NazwaPlikuTowarow);
}

uint8_t OdczytStartowy::OPlat() {
    return biblioteki_.Kasdrv().OPlat(NazwaPlikuZapytania, NazwaPlikuPlatnosci);
}

WynikPliku<bool> OdczytStartowy::WczytajTowary() {
    const fs::path plik = ZnajdzPlik(NazwaPlikuTowarow);
    if (!Istnieje(plik))
        return false;
    const auto linie = CzytajLinie(plik, GranicePlikuTowarow);
    if (!linie)
        return linie.Blad();
    CzytajTowary(*linie, Stan().towary);
    return true;
}

// The payment names stand as the register wrote them; items 0 "GOTÓWKA"
// and 4 "EURO" stay.
WynikPliku<void> OdczytStartowy::WczytajPlatnosci() {
    const fs::path plik = ZnajdzPlik(NazwaPlikuPlatnosci);
    if (!Istnieje(plik))
        return {};
    const auto linie = CzytajLinie(plik, GranicePlikuPlatnosci);
    if (!linie)
        return linie.Blad();
    const auto nazwy = CzytajPlatnosci(*linie);
    for (size_t k = 0; k < nazwy.size(); ++k)
        if (nazwy[k]) {
            okno_.panel->cbPlatnosc->setItemText(static_cast<int>(k) + 1, Z1250(*nazwy[k]));
            Stan().platnosci[k] = *nazwy[k];
        }
    return {};
}

} // namespace orbaklaw

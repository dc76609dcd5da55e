#include "transfer/SesjaKasy.h"

#include "comm/BibliotekaKasdrv.h"
#include "comm/NumerKasy.h"
#include "comm/PlikZapytania.h"
#include "files/GraniceOdczytu.h"
#include "files/NazwyStale.h"
#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "transfer/KopiaZapasowa.h"
#include "transfer/PlikKasowania.h"

#include <exception>
#include <utility>

namespace orbaklaw {

namespace fs = std::filesystem;

namespace {

// The register's definitions read for the session itself (the backup, the
// check after a change) go to a name of the program's own, so that
// "klawisz.txt" keeps what was last sent or read.
constexpr const char* PlikOdczytuSesji = "kopia.@#$";

// A file of the exchange goes whatever happens.
class UsunNaKoniec {
public:
    explicit UsunNaKoniec(fs::path plik) : plik_(std::move(plik)) {}
    ~UsunNaKoniec() {
        std::error_code ec;
        fs::remove(plik_, ec);
    }
    UsunNaKoniec(const UsunNaKoniec&) = delete;
    UsunNaKoniec& operator=(const UsunNaKoniec&) = delete;

private:
    fs::path plik_;
};

// The library works in the session's folder; the current folder comes back
// whatever happens. `Blad()` tells why the folder could not be entered.
class WFolderze {
public:
    explicit WFolderze(const fs::path& folder) {
        if (folder.empty() || folder == ".")
            return;
        fs::path poprzedni = fs::current_path(blad_);
        if (!blad_)
            fs::current_path(folder, blad_);
        if (blad_)
            return;
        poprzedni_ = std::move(poprzedni);
    }
    ~WFolderze() {
        std::error_code ec;
        if (!poprzedni_.empty())
            fs::current_path(poprzedni_, ec);
    }
    WFolderze(const WFolderze&) = delete;
    WFolderze& operator=(const WFolderze&) = delete;

    const std::error_code& Blad() const { return blad_; }

private:
    fs::path poprzedni_;
    std::error_code blad_;
};

WynikKasy Niepowodzenie_(Niepowodzenie rodzaj, std::string powod = {}) {
    WynikKasy w;
    w.rodzaj = rodzaj;
    w.powod = std::move(powod);
    return w;
}

WynikKasy BladPliku(const BladWejsciaWyjscia& e) {
    WynikKasy w = Niepowodzenie_(Niepowodzenie::Plik, e.Komunikat());
    w.plik = e;
    return w;
}

// The reply `tresc` checked as a definition file.
WynikKasy SprawdzOdpowiedz(const std::string& tresc) {
    TabliceKlawiszy t;
    const auto wynik = ParsujDefinicje(t, PodzielNaLinie(tresc));
    if (wynik.poprawny)
        return {};
    WynikKasy w = Niepowodzenie_(Niepowodzenie::Odpowiedz);
    w.linia = wynik.numerLinii;
    w.zlaLinia = wynik.zlaLinia;
    return w;
}

} // namespace

SesjaKasy::SesjaKasy(BibliotekaKasdrv& kasdrv, fs::path folder, std::string numerKasy,
                     uint8_t& kodBledu)
    : kasdrv_(kasdrv), folder_(std::move(folder)), numer_(std::move(numerKasy)),
      kodBledu_(kodBledu) {}

SesjaKasy::~SesjaKasy() = default;

WynikKasy SesjaKasy::Wywolaj(const WywolanieKasy& wywolanie, bool zapamietaj) {
    const WFolderze w(folder_);
    if (w.Blad())
        return BladPliku(BladWejsciaWyjscia(folder_, w.Blad().message()));
    const auto kod = wywolanie(kasdrv_);
    if (!kod)
        return Niepowodzenie_(Niepowodzenie::Biblioteka, kod.Blad().opis);
    if (zapamietaj)
        kodBledu_ = *kod;
    WynikKasy wynik;
    wynik.kod = *kod;
    wynik.rodzaj = *kod == 0 ? Niepowodzenie::Brak : Niepowodzenie::Kasa;
    wynik.powod = kasdrv_.OpisBledu();
    return wynik;
}

WynikKasy SesjaKasy::UtworzZapytanie() {
    const auto numer = NumerKasyJakoLiczba(numer_);
    if (!numer)
        return Niepowodzenie_(Niepowodzenie::NumerKasy, numer.Blad().opis);
    if (UtworzPlikWejsciowy(Sciezka(NazwaPlikuZapytania), *numer))
        return {};
    return Niepowodzenie_(Niepowodzenie::Zapytanie);
}

OdczytKasy<std::string> SesjaKasy::OdczytajDefinicje(const char* plikOdpowiedzi) {
    return Odczytaj(plikOdpowiedzi, true);
}

OdczytKasy<std::string> SesjaKasy::Odczytaj(const char* plikOdpowiedzi, bool zapamietaj) {
    const char* plik = plikOdpowiedzi ? plikOdpowiedzi : PlikOdczytuSesji;
    const UsunNaKoniec zapytanie(Sciezka(NazwaPlikuZapytania));
    // A reply of the session's own goes before and after: an earlier one must
    // not pass for this one's. A file the caller names (the window's
    // "klawisz.txt", the copy of what was last written or read) stays as it
    // is until the library replaces it.
    std::optional<UsunNaKoniec> odpowiedz;
    if (!plikOdpowiedzi) {
        std::error_code ec;
        fs::remove(Sciezka(plik), ec);
        odpowiedz.emplace(Sciezka(plik));
    }
    if (WynikKasy w = UtworzZapytanie(); !w.Udany())
        return {w, {}};
    WynikKasy wynik = Wywolaj(
        [plik](BibliotekaKasdrv& k) { return k.ODefKlaw(NazwaPlikuZapytania, plik); }, zapamietaj);
    if (!wynik.Udany())
        return {wynik, {}};
    auto odczytana = CzytajCalyPlik(Sciezka(plik), GranicePlikuDefinicji.bajtow);
    if (!odczytana)
        return {BladPliku(odczytana.Blad()), {}};
    if (WynikKasy w = SprawdzOdpowiedz(*odczytana); !w.Udany())
        return {w, {}};
    return {wynik, *std::move(odczytana)};
}

OdczytKasy<std::vector<std::string>> SesjaKasy::OdczytajTowary() {
    return OdczytajListe(
        [](BibliotekaKasdrv& k) { return k.TowarMax(NazwaPlikuZapytania, NazwaPlikuTowarow); },
        NazwaPlikuTowarow, GranicePlikuTowarow);
}

OdczytKasy<std::vector<std::string>> SesjaKasy::OdczytajPlatnosci() {
    return OdczytajListe(
        [](BibliotekaKasdrv& k) { return k.OPlat(NazwaPlikuZapytania, NazwaPlikuPlatnosci); },
        NazwaPlikuPlatnosci, GranicePlikuPlatnosci);
}

OdczytKasy<std::vector<std::string>> SesjaKasy::OdczytajListe(const WywolanieKasy& wywolanie,
                                                              const char* plik,
                                                              const GraniceOdczytu& granice) {
    const UsunNaKoniec zapytanie(Sciezka(NazwaPlikuZapytania));
    if (WynikKasy w = UtworzZapytanie(); !w.Udany())
        return {w, {}};
    WynikKasy wynik = Wywolaj(wywolanie, true);
    if (!wynik.Udany())
        return {wynik, {}};
    auto odczytane = CzytajLinie(Sciezka(plik), granice);
    if (!odczytane)
        return {BladPliku(odczytane.Blad()), {}};
    return {wynik, *std::move(odczytane)};
}

WynikKasy SesjaKasy::CzytajPrzedZmiana() {
    if (!przeczytane_) {
        auto odczyt = OdczytajDefinicje();
        odczytPoprzednich_ = odczyt.wynik;
        if (odczytPoprzednich_.Udany())
            poprzednie_ = ZlaczLinie(PodzielNaLinie(odczyt.tresc));
        przeczytane_ = true;
    }
    return odczytPoprzednich_;
}

WynikKasy SesjaKasy::ZachowajKopie() {
    if (WynikKasy w = CzytajPrzedZmiana(); !w.Udany())
        return w;
    auto kopia = orbaklaw::ZachowajKopie(numer_, *poprzednie_);
    if (!kopia)
        return BladPliku(kopia.Blad());
    plikKopii_ = *std::move(kopia);
    return odczytPoprzednich_;
}

std::optional<std::vector<RoznicaKlawisza>>
SesjaKasy::ZmianyZapisu(const TabliceKlawiszy& nowe) const {
    const auto wKasie = DefinicjeZTekstu(poprzednie_);
    if (!wKasie)
        return std::nullopt;
    return Porownaj(*wKasie, nowe);
}

std::optional<std::vector<RoznicaKlawisza>> SesjaKasy::ZmianyKasowania() const {
    const auto wKasie = DefinicjeZTekstu(poprzednie_);
    if (!wKasie)
        return std::nullopt;
    return Porownaj(*wKasie, Oczekiwane({true, {}, wKasie}, *wKasie));
}

WynikZmiany SesjaKasy::Zmien(const WywolanieKasy& wywolanie) {
    WynikZmiany zmiana;
    zmiana.wynik = Wywolaj(wywolanie, false);
    if (zmiana.wynik.rodzaj == Niepowodzenie::Kasa) {
        // A reply lost after the request: what the register holds decides.
        zmiana.stan = SprawdzPoZmianie(zmiana.wynik.kod, *zmiana_, [this] {
            auto odczyt = Odczytaj(nullptr, false);
            return odczyt.wynik.Udany() ? std::optional(std::move(odczyt.tresc)) : std::nullopt;
        });
        if (zmiana.stan == StanPoZmianie::Nowe) {
            zmiana.wynik.rodzaj = Niepowodzenie::Brak;
            zmiana.wynik.kod = 0;
            zmiana.wynik.powod.clear();
        }
    }
    if (zmiana.wynik.rodzaj == Niepowodzenie::Brak || zmiana.wynik.rodzaj == Niepowodzenie::Kasa)
        kodBledu_ = zmiana.wynik.kod; // as the change was judged
    return zmiana;
}

WynikZmiany SesjaKasy::Zapisz(const TabliceKlawiszy& wyslane) {
    zmiana_ = ZmianaWKasie{false, wyslane, DefinicjeZTekstu(poprzednie_)};
    if (auto zapis =
            ZapiszAtomowo(Sciezka(NazwaPlikuKlawiszy), TekstPlikuDefinicji(wyslane, numer_));
        !zapis)
        return {BladPliku(zapis.Blad()), std::nullopt};
    return Zmien([](BibliotekaKasdrv& k) { return k.ZDefKlaw(NazwaPlikuKlawiszy); });
}

WynikZmiany SesjaKasy::Kasuj() {
    zmiana_ = ZmianaWKasie{true, {}, DefinicjeZTekstu(poprzednie_)};
    if (auto zapis = ZapiszAtomowo(Sciezka(NazwaPlikuKasowania), TekstPlikuKasowania(numer_));
        !zapis)
        return {BladPliku(zapis.Blad()), std::nullopt};
    WynikZmiany wynik = Zmien([](BibliotekaKasdrv& k) { return k.KDefKlaw(NazwaPlikuKasowania); });
    // A refused request stays on disk to be looked at.
    if (wynik.wynik.Udany()) {
        std::error_code ec;
        fs::remove(Sciezka(NazwaPlikuKasowania), ec);
    }
    return wynik;
}

WynikSprawdzenia SesjaKasy::Sprawdz() {
    WynikSprawdzenia sprawdzenie;
    auto odczyt = Odczytaj(nullptr, false);
    sprawdzenie.odczyt = odczyt.wynik;
    if (!sprawdzenie.odczyt.Udany() || !zmiana_)
        return sprawdzenie;
    const auto wKasie = DefinicjeZTekstu(odczyt.tresc);
    sprawdzenie.roznice = Porownaj(*wKasie, Oczekiwane(*zmiana_, *wKasie));
    return sprawdzenie;
}

} // namespace orbaklaw

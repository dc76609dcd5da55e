#include "cli/SesjaKasy.h"
#include "files/NazwyStale.h"
#include "files/StronyKodowe.h"

#include "cli/FolderWymiany.h"
#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/PostepWTerminalu.h"
#include "cli/StanBiblioteki.h"
#include "cli/WczytanieDefinicji.h"
#include "comm/NumerKasy.h"
#include "comm/PlikZapytania.h"
#include "files/BladSystemu.h"
#include "files/GraniceOdczytu.h"
#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/PlikDefinicji.h"
#include "orbaklaw/kasdrv.h"
#include "orbaklaw/kasdrv_kody.h"
#include "platform/Dopisywanie.h"
#include "platform/KodowanieSciezek.h"
#include "platform/OdczytPliku.h"
#include "platform/Srodowisko.h"
#include "platform/StanPliku.h"
#include "platform/Terminal.h"
#include "platform/UrzadzeniaSzeregowe.h"
#include "platform/ZmianaFolderu.h"
#include "transfer/KopiaZapasowa.h"

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <utility>

namespace orbaklaw::cli {

namespace fs = std::filesystem;

namespace {

// What the library answers when it can't open the port.

// The library works in the private folder; the current folder comes back
// whatever happens.
class WKatalogu {
public:
    explicit WKatalogu(const fs::path& folder) : zmiana_(folder) {
        if (zmiana_.Blad() != 0)
            throw BladWejsciaWyjscia(folder, OpisBleduSystemu(zmiana_.Blad()));
    }
    WKatalogu(const WKatalogu&) = delete;
    WKatalogu& operator=(const WKatalogu&) = delete;

private:
    platform::ZmianaFolderu zmiana_;
};

// The first line that is not blank.
std::string PierwszaLinia(const std::vector<std::string>& linie) {
    for (const auto& l : linie)
        if (!LiniaPusta(l))
            return l;
    return {};
}

std::string TekstKoduBiblioteki(uint8_t kod) {
    return KomunikatKodu(kod);
}

} // namespace

SesjaKasy::SesjaKasy(const OpcjeKasy& opcje, std::ostream& err) : opcje_(opcje), err_(&err) {}

SesjaKasy::~SesjaKasy() = default;

int SesjaKasy::Wypisz(const std::string& tekstTerminala, int kod) const {
    *err_ << "orbaklaw-cli: " << tekstTerminala << "\n";
    return kod;
}

int SesjaKasy::Blad(const std::string& tekst, int kod) const {
    return Wypisz(DlaTerminala(tekst), kod);
}

int SesjaKasy::BladPliku(const BladWejsciaWyjscia& blad, int kod) const {
    return Wypisz(KomunikatPliku(blad), kod);
}

std::string SesjaKasy::Urzadzenie() const {
    return opcje_.port ? UrzadzeniePortu(*opcje_.port)
                       : UrzadzeniePortu("COM" + std::to_string(ustawienia_.port));
}

int SesjaKasy::Przygotuj() {
    const std::string plik =
        opcje_.konfiguracja ? *opcje_.konfiguracja : ZnajdzPlik(NazwaPlikuKonfiguracji).string();
    // A file given with --config is always read: its reader says why it can't be.
    std::error_code ec;
    const bool jest = opcje_.konfiguracja || fs::exists(plik, ec);
    if (!jest && (!opcje_.port || !opcje_.numer)) {
        // "Należy ustawić parametry komunikacji (brak pliku KONFIG.TXT)"
        return Blad("Należy ustawić parametry komunikacji (brak pliku KONFIG.TXT)"_w1250,
                    KodBladPliku);
    }
    // The library's report lines go to RAPORT.TXT here; only a regular file
    // takes them (a FIFO would block the append, a link lead elsewhere).
    const fs::path raport = ZnajdzPlik(NazwaPlikuRaportu);
    platform::StanPliku s;
    if (platform::StanNazwy(raport, s) == 0 && s.rodzaj != platform::StanPliku::Rodzaj::Zwykly)
        // "raport wymiany można dopisać tylko do zwykłego pliku"
        return BladPliku(BladWejsciaWyjscia(
                             raport, "raport wymiany można dopisać tylko do zwykłego pliku"_w1250),
                         KodBladPliku);
    std::string tresc;
    if (jest) {
        try {
            tresc = CzytajCalyPlik(plik, GranicePlikuKonfiguracji.bajtow);
        } catch (const BladWejsciaWyjscia& e) {
            return BladPliku(e, KodBladPliku);
        }
    }
    return Konfiguruj(tresc, jest);
}

int SesjaKasy::Konfiguruj(const std::string& tresc, bool jest) {
    const auto linie = PodzielNaLinie(tresc);
    numer_ = opcje_.numer ? *opcje_.numer : NumerKasyZKonfiguracji(linie);
    unsigned liczba = 0;
    try {
        liczba = NumerKasyJakoLiczba(numer_);
    } catch (const BladNumeruKasy& e) {
        return Blad(e.what(), KodBladPliku);
    }
    // The configuration is judged as the library judges it; without a line
    // of its own the register takes the settings of the first line.
    std::optional<WpisKonfiguracji> wpis;
    if (jest) {
        auto wynik = KonfiguracjaKasy(linie, static_cast<int>(liczba));
        if (wynik.kod == KASDRV_BRAK_SKOJARZENIA)
            wynik = KonfiguracjaKasy(linie,
                                     ParsujLinieKonfiguracji(PierwszaLinia(linie)).wpis.numerKasy);
        if (wynik.kod != 0)
            return Blad(TekstKoduBiblioteki(wynik.kod), KodBladPliku);
        wpis = wynik.wpis;
    }
    ustawienia_ = wpis ? wpis->ustawienia : UstawieniaKomunikacji{};
    if (opcje_.szybkosc)
        ustawienia_.szybkosc = *opcje_.szybkosc;
    if (opcje_.timeout)
        ustawienia_.timeout = *opcje_.timeout;
    if (opcje_.mux) {
        ustawienia_.multiplekser = *opcje_.mux > 0 ? 1 : 0;
        ustawienia_.kanal = *opcje_.mux > 0 ? *opcje_.mux : 1;
    }
    if (opcje_.port)
        ustawienia_.port = 1; // the device goes to the library as COM1's
    trescKonfiguracji_ = opcje_.ZmieniaLacze() || !jest
                             ? ZlaczLinie({LiniaKonfiguracji(numer_, ustawienia_)})
                             : tresc;

    // The library finds the device by COM number; a relative path would be
    // looked for in the private folder.
    const std::string zmienna = "ORBAKLAW_COM" + std::to_string(ustawienia_.port);
    platform::UstawZmienna(zmienna, platform::BajtySciezki(fs::absolute(Urzadzenie())));

    // Our library appends its report lines to the user's RAPORT.TXT itself,
    // so a line of a call that reached the register is there even if this
    // run is killed before it could copy them.
    platform::UstawZmienna(KASDRV_ZMIENNA_RAPORTU,
                           platform::BajtySciezki(fs::absolute(ZnajdzPlik(NazwaPlikuRaportu))));

    std::string sciezka;
    int blad = 0;
    wymiany_ = FolderWymiany::Utworz(sciezka, blad);
    if (!wymiany_)
        return BladPliku(BladWejsciaWyjscia(sciezka, OpisBleduSystemu(blad)), KodBladPliku);
    folder_ = wymiany_->Sciezka();
    try {
        ZapiszAtomowo(folder_ / NazwaPlikuKonfiguracji, trescKonfiguracji_);
    } catch (const BladWejsciaWyjscia& e) {
        return BladPliku(e, KodBladPliku);
    }
    return KodSukces;
}

void SesjaKasy::OddajRaport() const {
    std::string linie;
    try {
        linie = CzytajCalyPlik(folder_ / NazwaPlikuRaportu, GranicePlikuTekstowego.bajtow);
    } catch (const BladWejsciaWyjscia&) {
        return; // the library wrote none
    }
    std::error_code ec;
    fs::remove(folder_ / NazwaPlikuRaportu, ec);
    const fs::path raport = ZnajdzPlik(NazwaPlikuRaportu);
    const int fd = platform::OtworzDoDopisywania(raport);
    int blad = fd >= 0 ? 0 : errno;
    for (size_t z = 0; blad == 0 && z < linie.size();) {
        const long long n = platform::ZapiszCzesc(fd, linie.data() + z, linie.size() - z);
        if (n < 0 && errno == EINTR)
            continue;
        blad = n > 0 ? 0 : n < 0 ? errno : EIO;
        z += blad == 0 ? static_cast<size_t>(n) : 0;
    }
    if (fd >= 0)
        platform::ZamknijPlik(fd);
    if (blad != 0) // "Nie można dopisać raportu wymiany: "
        Wypisz(DlaTerminala("Nie można dopisać raportu wymiany: "_w1250) +
                   KomunikatPliku(BladWejsciaWyjscia(raport, OpisBleduSystemu(blad))),
               0);
}

int SesjaKasy::Wywolaj(const std::string& opis,
                       const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie) {
    uint8_t wynik = 0;
    if (int kod = Wykonaj(opis, wywolanie, wynik); kod != KodSukces)
        return kod;
    return Wynik(wynik);
}

int SesjaKasy::Wykonaj(const std::string& opis,
                       const std::function<uint8_t(BibliotekaKasdrv&)>& wywolanie, uint8_t& wynik) {
    // A device that isn't there is named at once (the library would only say 20).
    const std::string urzadzenie = Urzadzenie();
    if (const int blad = platform::BladDostepuDoUrzadzenia(urzadzenie); blad != 0)
        // "Nie można otworzyć portu szeregowego "
        return Wypisz(DlaTerminala("Nie można otworzyć portu szeregowego "_w1250) +
                          KomunikatPliku(BladWejsciaWyjscia(urzadzenie, OpisBleduSystemu(blad))),
                      KodWyjsciaKasy(KASDRV_TIMEOUT_NADAWANIA));
    try {
        BibliotekaKasdrv kasdrv(kodBledu_);
        const StanWymiany stan = StanZBiblioteki();
        WKatalogu w(folder_);
        const auto wymiana = [&] { return wywolanie(kasdrv); };
        wynik = ZPostepem(DlaTerminala(opis), wymiana, stan);
    } catch (const BladBiblioteki& e) {
        OddajRaport();
        return Blad(e.what(), KodOdmowaKasy);
    } catch (const BladWejsciaWyjscia& e) {
        return BladPliku(e, KodBladPliku);
    }
    OddajRaport();
    return KodSukces;
}

int SesjaKasy::Wynik(uint8_t wynik, const std::string& dopisek) {
    const std::string powod = OpisBleduZBiblioteki();
    if (wynik == 0) {
        // The register did it; what went wrong besides (a report line that
        // couldn't be written) is only a warning.
        if (!powod.empty())
            Blad("Uwaga: " + powod, KodSukces);
        return KodSukces;
    }
    return Blad(TekstKoduBiblioteki(wynik) + (powod.empty() ? "" : "\r" + powod) +
                    (dopisek.empty() ? "" : "\r" + dopisek),
                KodWyjsciaKasy(wynik));
}

int SesjaKasy::UtworzZapytanie() {
    try {
        if (UtworzPlikWejsciowy(folder_ / NazwaPlikuZapytania, NumerKasyJakoLiczba(numer_)))
            return KodSukces;
    } catch (const BladNumeruKasy& e) {
        return Blad(e.what(), KodBladPliku);
    }
    // "Nie udało się stworzyc pliku wejsciowego"
    return Blad("Nie udało się stworzyc pliku wejsciowego"_w1250, KodBladPliku);
}

int SesjaKasy::OdczytajDefinicje(std::string& tresc) {
    if (int kod = UtworzZapytanie(); kod != KodSukces)
        return kod;
    std::error_code ec;
    fs::remove(folder_ / NazwaPlikuKlawiszy, ec);
    // "Odczyt definicji z kasy"
    if (int kod = Wywolaj("Odczyt definicji z kasy",
                          [](BibliotekaKasdrv& k) {
                              return k.ODefKlaw(NazwaPlikuZapytania, NazwaPlikuKlawiszy);
                          });
        kod != KodSukces)
        return kod;
    try {
        tresc = CzytajCalyPlik(folder_ / NazwaPlikuKlawiszy, GranicePlikuDefinicji.bajtow);
    } catch (const BladWejsciaWyjscia& e) {
        return BladPliku(e, KodBladPliku);
    }
    TabliceKlawiszy t;
    const auto wynik = ParsujDefinicje(t, PodzielNaLinie(tresc));
    if (!wynik.poprawny)
        return Wypisz(KomunikatFormatu("odpowiedź kasy", wynik.numerLinii, wynik.zlaLinia),
                      KodBladFormatu);
    return KodSukces;
}

int SesjaKasy::WyslijPlik(const char* plik, const std::string& tresc, const std::string& opis,
                          uint8_t (BibliotekaKasdrv::*wywolanie)(const std::string&),
                          const ZmianaWKasie& zmiana) {
    try {
        ZapiszAtomowo(folder_ / plik, tresc);
    } catch (const BladWejsciaWyjscia& e) {
        return BladPliku(e, KodBladPliku);
    }
    uint8_t wynik = 0;
    if (int kod = Wykonaj(
            opis, [plik, wywolanie](BibliotekaKasdrv& k) { return (k.*wywolanie)(plik); }, wynik);
        kod != KodSukces)
        return kod;
    const auto stan = SprawdzPoZmianie(wynik, zmiana, [this] { return OdczytajPoZmianie(); });
    if (!stan)
        return Wynik(wynik);
    const std::string opisStanu = OpisStanu(*stan, zmiana.kasowanie);
    if (*stan == StanPoZmianie::Nowe) {
        Blad(opisStanu, KodSukces);
        return KodSukces;
    }
    return Wynik(wynik, opisStanu);
}

std::optional<std::string> SesjaKasy::OdczytajPoZmianie() {
    // The read's own messages would only confuse the result of the change.
    std::ostringstream cicho;
    std::ostream* err = std::exchange(err_, &cicho);
    std::string tresc;
    const int kod = OdczytajDefinicje(tresc);
    err_ = err;
    if (kod != KodSukces)
        return std::nullopt;
    return tresc;
}

ZmianaWKasie SesjaKasy::Zmiana(bool kasowanie, const std::string& wyslane) const {
    ZmianaWKasie zmiana;
    zmiana.kasowanie = kasowanie;
    if (!kasowanie)
        ParsujDefinicje(zmiana.wyslane, PodzielNaLinie(wyslane));
    zmiana.poprzednie = DefinicjeZTekstu(kopia_);
    return zmiana;
}

int SesjaKasy::ZapiszDefinicje(const std::string& tresc) {
    return WyslijPlik(NazwaPlikuKlawiszy, tresc, "Zapis definicji do kasy",
                      &BibliotekaKasdrv::ZDefKlaw, Zmiana(false, tresc));
}

int SesjaKasy::KasujDefinicje(const std::string& trescZadania) {
    return WyslijPlik(NazwaPlikuKasowania, trescZadania, "Kasowanie definicji w kasie",
                      &BibliotekaKasdrv::KDefKlaw, Zmiana(true, {}));
}

int SesjaKasy::OdczytajTowary(std::vector<std::string>& linie) {
    if (int kod = UtworzZapytanie(); kod != KodSukces)
        return kod;
    // "Odczyt towarów z kasy"
    if (int kod = Wywolaj(
            "Odczyt towarów z kasy"_w1250,
            [](BibliotekaKasdrv& k) { return k.TowarMax(NazwaPlikuZapytania, NazwaPlikuTowarow); });
        kod != KodSukces)
        return kod;
    try {
        linie = CzytajLinie(folder_ / NazwaPlikuTowarow, GranicePlikuTowarow);
    } catch (const BladWejsciaWyjscia& e) {
        return BladPliku(e, KodBladPliku);
    }
    return KodSukces;
}

int SesjaKasy::ZachowajKopieKasy() {
    if (opcje_.bezKopii)
        return KodSukces;
    std::string tresc;
    if (int kod = OdczytajDefinicje(tresc); kod != KodSukces)
        // "Nie odczytano definicji z kasy do kopii zapasowej: nic nie wysłano (--no-backup pomija
        // kopię)"
        return Blad("Nie odczytano definicji z kasy do kopii zapasowej: nic nie wysłano "_w1250
                    "(--no-backup pomija kopię)"_w1250,
                    kod);
    kopia_ = tresc;
    try {
        const fs::path kopia = ZachowajKopie(numer_, tresc);
        // "Kopia definicji klawiszy z kasy: "
        *err_ << "orbaklaw-cli: " << DlaTerminala("Kopia definicji klawiszy z kasy: ")
              << kopia.string() << "\n";
    } catch (const BladWejsciaWyjscia& e) {
        // "Nie zachowano kopii definicji z kasy: nic nie wysłano: "
        return Wypisz(
            DlaTerminala("Nie zachowano kopii definicji z kasy, nic nie wysłano: "_w1250) +
                KomunikatPliku(e),
            KodBladPliku);
    }
    return KodSukces;
}

} // namespace orbaklaw::cli

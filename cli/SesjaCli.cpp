#include "cli/SesjaCli.h"

#include "cli/FolderWymiany.h"
#include "cli/KodyWyjscia.h"
#include "cli/Komunikaty.h"
#include "cli/PostepWTerminalu.h"
#include "cli/WczytanieDefinicji.h"
#include "comm/BibliotekaKasdrv.h"
#include "comm/NumerKasy.h"
#include "comm/PowodNiedostepnosciPortu.h"
#include "files/BladSystemu.h"
#include "files/GraniceOdczytu.h"
#include "files/NazwyStale.h"
#include "files/OtwarciePliku.h"
#include "files/StronyKodowe.h"
#include "format/KomunikatyBledow.h"
#include "orbaklaw/kasdrv_kody.h"
#include "platform/Dopisywanie.h"
#include "platform/KodowanieSciezek.h"
#include "platform/OdczytPliku.h"
#include "platform/Srodowisko.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <cerrno>
#include <cstdio>

namespace orbaklaw::cli {

namespace fs = std::filesystem;

namespace {

// The first line that is not blank.
std::string PierwszaLinia(const std::vector<std::string>& linie) {
    for (const auto& l : linie)
        if (!LiniaPusta(l))
            return l;
    return {};
}

// What the progress line says for an operation.
std::string OpisWywolania(OperacjaKasy operacja) {
    switch (operacja) {
    case OperacjaKasy::OdczytDefinicji:
        return "Odczyt definicji z kasy";
    case OperacjaKasy::ZapisDefinicji:
        return "Zapis definicji do kasy";
    case OperacjaKasy::KasowanieDefinicji:
        return "Kasowanie definicji w kasie";
    case OperacjaKasy::OdczytTowarow:
        return "Odczyt towarów z kasy";
    case OperacjaKasy::OdczytPlatnosci:
        return "Odczyt płatności z kasy";
    case OperacjaKasy::TestLacza:
        break;
    }
    return "Test połączenia z kasą";
}

} // namespace

SesjaCli::SesjaCli(const OpcjeKasy& opcje, std::ostream& err) : opcje_(opcje), err_(&err) {}

SesjaCli::~SesjaCli() = default;

int SesjaCli::Wypisz(const std::string& tekstTerminala, int kod) const {
    *err_ << PoczatekKomunikatu << tekstTerminala << "\n";
    return kod;
}

int SesjaCli::Blad(const std::string& tekst, int kod) const {
    return Wypisz(DlaTerminala(tekst), kod);
}

int SesjaCli::BladPliku(const BladWejsciaWyjscia& blad, int kod) const {
    return Wypisz(KomunikatPliku(blad), kod);
}

int SesjaCli::Przygotuj() {
    const std::string plik =
        opcje_.konfiguracja ? *opcje_.konfiguracja : ZnajdzPlik(NazwaPlikuKonfiguracji).string();
    // A file given with --config is always read, and so is anything in
    // KONFIG.TXT's place (a link that leads nowhere, a loop of links): its
    // reader says why it can't be.
    std::error_code ec;
    const bool jest =
        opcje_.konfiguracja || fs::symlink_status(plik, ec).type() != fs::file_type::not_found;
    if (!jest && (!opcje_.port || !opcje_.numer))
        return Blad("Należy ustawić parametry komunikacji (brak pliku KONFIG.TXT)"_w1250,
                    KodBladPliku);
    // The library's report lines go to RAPORT.TXT here; only a regular file
    // takes them (a FIFO would block the append, a link lead elsewhere).
    const fs::path raport = ZnajdzPlik(NazwaPlikuRaportu);
    const auto rodzaj = fs::symlink_status(raport, ec).type();
    if (rodzaj != fs::file_type::not_found && rodzaj != fs::file_type::regular && !ec)
        return BladPliku(BladWejsciaWyjscia(
                             raport, "raport wymiany można dopisać tylko do zwykłego pliku"_w1250),
                         KodBladPliku);
    std::string tresc;
    if (jest) {
        auto odczyt = CzytajKonfiguracje(plik);
        if (!odczyt)
            return BladPliku(odczyt.Blad(), KodBladPliku);
        tresc = *std::move(odczyt);
    }
    return Konfiguruj(tresc, jest);
}

int SesjaCli::Konfiguruj(const std::string& tresc, bool jest) {
    const auto linie = PodzielNaLinie(tresc);
    numer_ = opcje_.numer ? *opcje_.numer : NumerKasyZKonfiguracji(linie);
    const auto liczba = NumerKasyJakoLiczba(numer_);
    if (!liczba)
        return Blad(liczba.Blad().opis, KodBladPliku);
    // The configuration is judged as the library judges it; without a line
    // of its own the register takes the settings of the first line.
    std::optional<WpisKonfiguracji> wpis;
    if (jest) {
        auto wynik = KonfiguracjaKasy(linie, static_cast<int>(*liczba));
        if (wynik.kod == KASDRV_BRAK_SKOJARZENIA)
            wynik = KonfiguracjaKasy(linie,
                                     ParsujLinieKonfiguracji(PierwszaLinia(linie)).wpis.numerKasy);
        if (wynik.kod != 0)
            return Blad(KomunikatKodu(wynik.kod), KodBladPliku);
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

    // The device, once: a port assignment that can't be used is named here
    // rather than left to the library's timeout.
    const UrzadzenieComN port =
        opcje_.port ? UrzadzeniePortu(*opcje_.port) : UrzadzenieCom(ustawienia_.port);
    if (port.blad)
        return Wypisz(DlaTerminala(BlednePrzypisaniePortow()) + KomunikatPliku(*port.blad),
                      KodBladPliku);
    urzadzenie_ = port.urzadzenie;
    // The library finds the device by COM number; a relative path would be
    // looked for in the private folder. (The system refuses a variable only
    // when out of memory; the library then names the port it can't open.)
    static_cast<void>(platform::UstawZmienna("ORBAKLAW_COM" + std::to_string(ustawienia_.port),
                                             platform::BajtySciezki(fs::absolute(urzadzenie_))));
    // Our library appends its report lines to the user's RAPORT.TXT itself,
    // so a line of a call that reached the register is there even if this
    // run is killed before it could copy them.
    static_cast<void>(platform::UstawZmienna(
        KASDRV_ZMIENNA_RAPORTU,
        platform::BajtySciezki(fs::absolute(ZnajdzPlik(NazwaPlikuRaportu)))));

    std::string sciezka;
    int blad = 0;
    wymiany_ = FolderWymiany::Utworz(sciezka, blad);
    if (!wymiany_)
        return BladPliku(BladWejsciaWyjscia(sciezka, OpisBleduSystemu(blad)), KodBladPliku);
    folder_ = wymiany_->Sciezka();
    if (auto zapis = ZapiszAtomowo(folder_ / NazwaPlikuKonfiguracji, trescKonfiguracji_); !zapis)
        return BladPliku(zapis.Blad(), KodBladPliku);
    return KodSukces;
}

int SesjaCli::Otworz() {
    const std::string& urzadzenie = urzadzenie_;
    if (const int blad = platform::BladDostepuDoUrzadzenia(urzadzenie); blad != 0)
        return BladPortu(PowodNiedostepnosciPortu(urzadzenie, blad));
    kasdrv_ = std::make_unique<BibliotekaKasdrv>();
    kasdrv_->UstawWykonawce(
        [this](OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie) {
            return Wykonaj(operacja, wywolanie);
        });
    sesja_ = std::make_unique<SesjaKasy>(*kasdrv_, folder_, numer_, kodBledu_);
    return KodSukces;
}

uint8_t SesjaCli::Wykonaj(OperacjaKasy operacja, const std::function<uint8_t()>& wywolanie) {
    const auto stan = [this](uint64_t& zrobione, uint64_t& oczekiwane) {
        const auto postep = kasdrv_->Postep();
        if (!postep)
            return false;
        zrobione = postep->first;
        oczekiwane = postep->second;
        return true;
    };
    struct OddajNaKoniec {
        const SesjaCli& sesja;
        ~OddajNaKoniec() { sesja.OddajRaport(); }
    } oddaj{*this};
    return ZPostepem(DlaTerminala(OpisWywolania(operacja)), wywolanie, stan);
}

void SesjaCli::OddajRaport() const {
    const auto odczyt = CzytajCalyPlik(folder_ / NazwaPlikuRaportu, GranicePlikuTekstowego.bajtow);
    if (!odczyt)
        return; // the library wrote none
    const std::string& linie = *odczyt;
    std::error_code ec;
    fs::remove(folder_ / NazwaPlikuRaportu, ec);
    const fs::path raport = ZnajdzPlik(NazwaPlikuRaportu);
    int blad = 0;
    const int fd = platform::OtworzDoDopisywania(raport);
    std::FILE* plik = fd >= 0 ? platform::StrumienDopisywania(fd) : nullptr;
    if (!plik) {
        blad = errno;
        if (fd >= 0)
            platform::ZamknijPlik(fd);
    } else {
        if (std::fwrite(linie.data(), 1, linie.size(), plik) != linie.size())
            blad = errno ? errno : EIO;
        if (std::fclose(plik) != 0 && blad == 0)
            blad = errno ? errno : EIO;
    }
    if (blad != 0)
        Wypisz(DlaTerminala("Nie można dopisać raportu wymiany: "_w1250) +
                   KomunikatPliku(BladWejsciaWyjscia(raport, OpisBleduSystemu(blad))),
               0);
}

int SesjaCli::BladPortu(const std::string& powod) const {
    return Blad(std::string(NiemozliweZainicjowaniePortu()) + "\r" + powod,
                KodWyjsciaKasy(KASDRV_TIMEOUT_NADAWANIA));
}

int SesjaCli::Wynik(const WynikKasy& wynik, const std::string& dopisek) {
    // The library says 20 also when it could not open the port: what the
    // device is (no serial port, held by another program, out of reach) is
    // the cause then, not the register's silence.
    if (wynik.rodzaj == Niepowodzenie::Kasa && wynik.kod == KASDRV_TIMEOUT_NADAWANIA)
        if (const std::string powod = PowodNiedostepnosciPortu(urzadzenie_); !powod.empty())
            return BladPortu(powod);
    switch (wynik.rodzaj) {
    case Niepowodzenie::Brak:
        // The register did it; what went wrong besides (a report line that
        // couldn't be written) is only a warning.
        if (!wynik.powod.empty())
            Blad("Uwaga: " + wynik.powod, KodSukces);
        return KodSukces;
    case Niepowodzenie::Kasa:
        return Blad(KomunikatKodu(wynik.kod) + (wynik.powod.empty() ? "" : "\r" + wynik.powod) +
                        (dopisek.empty() ? "" : "\r" + dopisek),
                    KodWyjsciaKasy(wynik.kod));
    case Niepowodzenie::Zapytanie:
        return Blad(NieUtworzonoZapytania(), KodBladPliku);
    case Niepowodzenie::Odpowiedz:
        return Wypisz(KomunikatFormatu("odpowiedź kasy", wynik.linia, wynik.zlaLinia),
                      KodBladFormatu);
    case Niepowodzenie::Plik:
        return BladPliku(*wynik.plik, KodBladPliku);
    case Niepowodzenie::Biblioteka:
        return Blad(wynik.powod, KodOdmowaKasy);
    case Niepowodzenie::NumerKasy:
        return Blad(wynik.powod, KodBladPliku);
    }
    return KodOdmowaKasy;
}

int SesjaCli::Wynik(const WynikZmiany& zmiana, bool kasowanie) {
    if (!zmiana.stan)
        return Wynik(zmiana.wynik);
    const std::string opisStanu = OpisStanu(*zmiana.stan, kasowanie);
    if (*zmiana.stan == StanPoZmianie::Nowe)
        return Blad(opisStanu, KodSukces);
    return Wynik(zmiana.wynik, opisStanu);
}

int SesjaCli::OdczytajDefinicje(std::string& tresc) {
    auto odczyt = sesja_->OdczytajDefinicje();
    tresc = std::move(odczyt.tresc);
    return Wynik(odczyt.wynik);
}

int SesjaCli::ZachowajKopieKasy() {
    if (opcje_.bezKopii)
        return KodSukces;
    const WynikKasy wynik = sesja_->ZachowajKopie();
    if (!sesja_->Poprzednie()) {
        const int kod = Wynik(wynik);
        return Blad("Nie odczytano definicji z kasy do kopii zapasowej: nic nie wysłano "_w1250
                    "(--no-backup pomija kopię)"_w1250,
                    kod);
    }
    if (!wynik.Udany())
        return Wypisz(
            DlaTerminala("Nie zachowano kopii definicji z kasy, nic nie wysłano: "_w1250) +
                KomunikatPliku(*wynik.plik),
            KodBladPliku);
    *err_ << PoczatekKomunikatu << DlaTerminala("Kopia definicji klawiszy z kasy: ")
          << sesja_->PlikKopii()->string() << "\n";
    return Wynik(wynik);
}

} // namespace orbaklaw::cli

#include "cli/PoleceniaKasy.h"
#include "files/NazwyStale.h"
#include "files/StronyKodowe.h"

#include "cli/Json.h"
#include "cli/Komunikaty.h"
#include "cli/PlikiCli.h"
#include "cli/Porownanie.h"
#include "cli/SesjaCli.h"
#include "cli/WczytanieDefinicji.h"
#include "files/PlikTekstowy.h"
#include "format/KomunikatyBledow.h"
#include "format/OdpowiedziKasy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"
#include "format/Towary.h"

#include <functional>
#include <optional>
#include <utility>

namespace orbaklaw::cli {

namespace {

int BladUzyciaKasy(std::ostream& err, const std::string& powod) {
    err << PoczatekKomunikatu << DlaTerminala(powod) << OdeslanieDoPomocy;
    return KodBladUzycia;
}

// The options and the files of a register command; false after a message.
bool Argumenty(const std::vector<std::string>& a, const DozwoloneOpcje& dozwolone,
               size_t liczbaPlikow, const char* uzycie, OpcjeKasy& opcje,
               std::vector<std::string>& pliki, std::ostream& err) {
    std::string blad;
    DozwoloneOpcje d = dozwolone;
    d.kasa = true;
    if (!ParsujOpcje(a, d, opcje, pliki, blad)) {
        BladUzyciaKasy(err, blad);
        return false;
    }
    if (pliki.size() != liczbaPlikow) {
        BladUzyciaKasy(err, uzycie);
        return false;
    }
    return true;
}

int Wyjscie(const std::string& plik, const std::vector<std::string>& wejscia, std::ostream& err) {
    if (auto problem = ProblemWyjscia(plik, wejscia)) {
        return ZglosBladPliku(err, *problem);
    }
    return KodSukces;
}

int Zapisz(const std::string& plik, const std::string& tresc, std::ostream& err) {
    if (auto zapis = ZapiszAtomowo(plik, tresc); !zapis)
        return ZglosBladPliku(err, zapis.Blad());
    return KodSukces;
}

std::string ListaTowarow(const Towary& towary) {
    std::string lista;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        if (!towary.Nazwa852(n).empty())
            lista += std::to_string(n) + "\t" + Utf8Z1250(towary.Nazwa(n)) + "\n";
    return lista;
}

// {"plik": OUT or null, "towary": [{"numer": n, "nazwa": "..."}]}
void TowaryJson(const Towary& towary, const std::optional<std::string>& plik, std::ostream& out) {
    out << "{\"plik\": " << (plik ? JsonTekst(DlaTerminala(*plik)) : "null") << ", \"towary\": [";
    bool pierwszy = true;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n) {
        if (towary.Nazwa852(n).empty())
            continue;
        out << (pierwszy ? "\n  " : ",\n  ") << "{\"numer\": " << n
            << ", \"nazwa\": " << JsonTekst(Utf8Z1250(towary.Nazwa(n))) << "}";
        pierwszy = false;
    }
    out << (pierwszy ? "]}\n" : "\n]}\n");
}

// The configuration read and the session opened; an exit code.
int Otworz(SesjaCli& sesja) {
    if (int kod = sesja.Przygotuj(); kod != KodSukces)
        return kod;
    return sesja.Otworz();
}

// The register's definitions compared with `tablice`: one line per
// difference on stdout (or one JSON document); 4 when any.
int PorownajZKasa(SesjaCli& sesja, const TabliceKlawiszy& tablice, bool json, std::ostream& out) {
    std::string tresc;
    if (int kod = sesja.OdczytajDefinicje(tresc); kod != KodSukces)
        return kod;
    TabliceKlawiszy wKasie;
    ParsujDefinicje(wKasie, PodzielNaLinie(tresc));
    const auto roznice = Porownaj(tablice, wKasie);
    if (json)
        WypiszRozniceJson(roznice, out);
    else
        WypiszRoznice(roznice, out);
    return roznice.empty() ? KodSukces : KodRoznice;
}

// "Zmiany klawiszy: +N -N ~N" of a change from the definitions `przed` (a
// definition file's text) to `nowe`; nothing when `przed` is unknown.
void WypiszZmiany(const std::optional<std::string>& przed, const TabliceKlawiszy& nowe,
                  std::ostream& out) {
    if (const auto wKasie = DefinicjeZTekstu(przed))
        out << "Zmiany klawiszy: " << OpisLiczbyZmian(PoliczZmiany(Porownaj(*wKasie, nowe)))
            << "\n";
}

// --dry-run: the register's definitions are read and the keys the change
// (`po` of them) would touch are shown; nothing is sent, nothing written.
int Proba(SesjaCli& sesja, const std::function<TabliceKlawiszy(const TabliceKlawiszy&)>& po,
          std::ostream& out) {
    std::string tresc;
    if (int kod = sesja.OdczytajDefinicje(tresc); kod != KodSukces)
        return kod;
    const auto wKasie = DefinicjeZTekstu(tresc);
    if (!wKasie)
        return sesja.Blad("Odpowiedź kasy nie jest plikiem definicji"_w1250, KodBladFormatu);
    const TabliceKlawiszy nowe = po(*wKasie);
    WypiszRoznice(Porownaj(*wKasie, nowe), out);
    WypiszZmiany(tresc, nowe, out);
    out << DlaTerminala("Próba: nic nie wysłano do kasy"_w1250) << "\n";
    return KodSukces;
}

// After the register took a write: its definitions read back and compared
// with what was sent, the keys that differ on stdout (the file's definition,
// then the register's) and 4 when any.
int SprawdzZapis(SesjaCli& sesja, std::ostream& out) {
    WynikSprawdzenia sprawdzenie = sesja.Sesja().Sprawdz();
    if (!sprawdzenie.odczyt.Udany()) {
        sesja.Blad("Kasa przyjęła zapis, lecz nie udało się go sprawdzić: odczyt definicji z "
                   "kasy się nie powiódł."_w1250,
                   KodSukces);
        return sesja.Wynik(sprawdzenie.odczyt);
    }
    if (sprawdzenie.roznice.empty())
        return KodSukces;
    for (auto& r : sprawdzenie.roznice)
        std::swap(r.a, r.b);
    WypiszRoznice(sprawdzenie.roznice, out);
    return sesja.Blad("Definicje w kasie różnią się od tych, jakie miały być (klawiszy: "_w1250 +
                          std::to_string(sprawdzenie.roznice.size()) + ")",
                      KodRoznice);
}

} // namespace

int Read(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    if (!Argumenty(a, {}, 1, "read bierze plik wyjściowy"_w1250, opcje, pliki, err))
        return KodBladUzycia;
    if (int kod = Wyjscie(pliki[0], {}, err); kod != KodSukces)
        return kod;
    SesjaCli sesja(opcje, err);
    std::string tresc;
    if (int kod = Otworz(sesja); kod != KodSukces)
        return kod;
    if (int kod = sesja.OdczytajDefinicje(tresc); kod != KodSukces)
        return kod;
    if (int kod = Zapisz(pliki[0], ZlaczLinie(PodzielNaLinie(tresc)), err); kod != KodSukces)
        return kod;
    out << "Odczytano definicje klawiszy z kasy do pliku " << DlaTerminala(pliki[0]) << "\n";
    return KodSukces;
}

int Write(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    if (!Argumenty(a, {.bezKopii = true, .sprawdz = true, .proba = true}, 1,
                   "write bierze plik definicji", opcje, pliki, err))
        return KodBladUzycia;
    if (opcje.sprawdz && opcje.bezSprawdzenia)
        return BladUzyciaKasy(err, "write bierze --verify albo --no-verify");
    TabliceKlawiszy t;
    if (int kod = WczytajDefinicje(pliki[0], t, err, CalyPlik::DoKasy); kod != KodSukces)
        return kod;
    if (opcje.proba) {
        SesjaCli sesja(opcje, err);
        if (int kod = Otworz(sesja); kod != KodSukces)
            return kod;
        return Proba(
            sesja, [&t](const TabliceKlawiszy&) { return t; }, out);
    }
    // The register gets the file as the program writes it, and a copy stays
    // in the current folder.
    const std::string kopia = ZnajdzPlik(NazwaPlikuKlawiszy).string();
    if (int kod = Wyjscie(kopia, {}, err); kod != KodSukces)
        return kod;
    SesjaCli sesja(opcje, err);
    if (int kod = Otworz(sesja); kod != KodSukces)
        return kod;
    if (int kod = sesja.ZachowajKopieKasy(); kod != KodSukces)
        return kod;
    const std::string tresc = TekstPlikuDefinicji(t, sesja.NumerKasy());
    if (int kod = Zapisz(kopia, tresc, err); kod != KodSukces)
        return kod;
    const WynikZmiany zmiana = sesja.Sesja().Zapisz(t);
    if (int kod = sesja.Wynik(zmiana, false); kod != KodSukces)
        return kod;
    out << DlaTerminala(ZapisanoDoKasyIDoPliku()) << "\n";
    if (!opcje.sprawdz)
        WypiszZmiany(sesja.Sesja().Poprzednie(), t, out);
    // A lost reply already had the register read back and found it new.
    if (opcje.bezSprawdzenia || zmiana.stan)
        return KodSukces;
    return SprawdzZapis(sesja, out);
}

int Delete(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    if (!Argumenty(a, {.bezKopii = true, .proba = true}, 0, "delete nie bierze plików"_w1250, opcje,
                   pliki, err))
        return KodBladUzycia;
    SesjaCli sesja(opcje, err);
    if (int kod = Otworz(sesja); kod != KodSukces)
        return kod;
    if (opcje.proba)
        return Proba(
            sesja,
            [](const TabliceKlawiszy& wKasie) {
                return Oczekiwane({true, {}, wKasie}, wKasie);
            },
            out);
    if (int kod = sesja.ZachowajKopieKasy(); kod != KodSukces)
        return kod;
    if (int kod = sesja.Wynik(sesja.Sesja().Kasuj(), true); kod != KodSukces)
        return kod;
    out << "Skasowano definicje klawiszy\n";
    return KodSukces;
}

int Goods(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    std::string blad;
    if (!ParsujOpcje(a, {.kasa = true, .json = true}, opcje, pliki, blad))
        return BladUzyciaKasy(err, blad);
    // With --json the list goes to stdout; the file is then optional.
    if (pliki.size() > 1 || (pliki.empty() && !opcje.json))
        return BladUzyciaKasy(err, "goods bierze plik wyjściowy"_w1250);
    if (!pliki.empty())
        if (int kod = Wyjscie(pliki[0], {}, err); kod != KodSukces)
            return kod;
    SesjaCli sesja(opcje, err);
    if (int kod = Otworz(sesja); kod != KodSukces)
        return kod;
    const auto odczyt = sesja.Sesja().OdczytajTowary();
    if (int kod = sesja.Wynik(odczyt.wynik); kod != KodSukces)
        return kod;
    Towary towary;
    CzytajTowary(odczyt.tresc, towary);
    if (!pliki.empty())
        if (int kod = Zapisz(pliki[0], ListaTowarow(towary), err); kod != KodSukces)
            return kod;
    if (opcje.json)
        TowaryJson(towary, pliki.empty() ? std::nullopt : std::optional(pliki[0]), out);
    else
        out << "Odczytano nazwy towarów z kasy do pliku " << DlaTerminala(pliki[0]) << "\n";
    return KodSukces;
}

int Verify(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    if (!Argumenty(a, {.json = true}, 1, "verify bierze plik definicji", opcje, pliki, err))
        return KodBladUzycia;
    TabliceKlawiszy t;
    if (int kod = WczytajDefinicje(pliki[0], t, err); kod != KodSukces)
        return kod;
    SesjaCli sesja(opcje, err);
    if (int kod = Otworz(sesja); kod != KodSukces)
        return kod;
    return PorownajZKasa(sesja, t, opcje.json, out);
}

} // namespace orbaklaw::cli

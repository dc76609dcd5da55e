#include "cli/Polecenia.h"

#include "cli/Json.h"
#include "cli/Komunikaty.h"
#include "cli/OpcjeKasy.h"
#include "cli/OpisKlawisza.h"
#include "cli/PlikiCli.h"
#include "cli/PoleceniaKasy.h"
#include "cli/Porownanie.h"
#include "cli/TestKasy.h"
#include "cli/WczytanieDefinicji.h"
#include "files/PlikTekstowy.h"
#include "format/OdpowiedziKasy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"

#include <array>
#include <functional>
#include <new>

namespace orbaklaw::cli {

namespace {

namespace fs = std::filesystem;

// The insert needs Qt to draw; a build without the GUI has no such command.
#ifdef ORBAKLAW_Z_WKLADKA
constexpr bool ZWkladka = true;
#else
constexpr bool ZWkladka = false;
#endif

constexpr const char* UzyciePlikow =
    "Użycie:\n"
    "  orbaklaw-cli check PLIK                   sprawdza plik definicji klawiszy\n"
    "  orbaklaw-cli normalize WE WY [--register NN]\n"
    "                                            zapisuje WE tak, jak zapisuje go program\n"
    "  orbaklaw-cli show PLIK [--goods T] [--payments P]\n"
    "                                            wypisuje 64 klawisze pliku z nazwami towarów\n"
    "                                            i płatności z T i P (lub towary.txt i plat.txt)\n"
    "  orbaklaw-cli diff A B                     wypisuje klawisze o różnych definicjach\n";
constexpr const char* UzycieWkladki =
    ZWkladka ? "  orbaklaw-cli insert ETYKIETY.bm0 WY.bmp [--pdf WY.pdf]\n"
               "                                            składa obraz wkładki z pliku etykiet\n"
               "  orbaklaw-cli show PLIK --pdf WY.pdf [--goods T] [--payments P]\n"
               "                                            lista 64 klawiszy na jednej stronie A4 "
               "(PDF)\n"
             : "";
constexpr const char* UzycieKasy =
    "  orbaklaw-cli --help                       ten opis\n"
    "Polecenia kasy (port i numer kasy z pliku KONFIG.TXT bieżącego katalogu):\n"
    "  orbaklaw-cli read WY                      odczytuje definicje klawiszy z kasy do WY\n"
    "  orbaklaw-cli write PLIK [--verify|--no-verify]\n"
    "                                            zapisuje definicje klawiszy z PLIK do kasy,\n"
    "                                            odczytuje je potem i porównuje (--no-verify:\n"
    "                                            bez odczytu; --verify: bez liczby zmian\n"
    "                                            +dodane -skasowane ~inne)\n"
    "  orbaklaw-cli verify PLIK                  porównuje definicje w kasie z PLIK\n"
    "  orbaklaw-cli delete                       kasuje definicje klawiszy w kasie\n"
    "  orbaklaw-cli goods WY                     zapisuje nazwy towarów kasy do WY (UTF-8)\n"
    "  orbaklaw-cli test                         identyfikuje kasę: model, wersja, numer\n"
    "Opcje poleceń kasy (zastępują KONFIG.TXT, którego nigdy nie zmieniają):\n"
    "  --port URZĄDZENIE|COMn  port szeregowy, np. /dev/ttyUSB0; COM n (1..9) to urządzenie\n"
    "                          ze zmiennej ORBAKLAW_COM<n>, inaczej z pliku\n"
    "                          ~/.config/orbaklaw/porty.txt, inaczej /dev/ttyS<n-1>\n"
    "  --speed 9600|19200      szybkość transmisji\n"
    "  --register NN           numer kasy 1..99 (i jej wiersz w KONFIG.TXT)\n"
    "  --timeout S             timeout w sekundach, 1..1000\n"
    "  --mux N                 0 bez multipleksera, 1..4 kanał multipleksera\n"
    "  --config PLIK           plik konfiguracji zamiast ./KONFIG.TXT\n"
    "  --no-backup             write i delete bez kopii definicji z kasy\n"
    "  --dry-run               write i delete: pokazuje zmiany klawiszy, nic nie wysyła\n"
    "  --json                  show, test, goods, diff, verify: jeden dokument JSON na stdout\n"
    "Przed write i delete definicje z kasy są zachowywane jako kopia (ścieżka na stderr;\n"
    "katalog $ORBAKLAW_KOPIE, $XDG_DATA_HOME/orbaklaw/kopie lub ~/.local/share/orbaklaw/kopie);\n"
    "bez odczytanej kopii nic nie jest wysyłane, chyba że podano --no-backup.\n"
    "Gdy po write lub delete zabraknie odpowiedzi kasy, jej definicje są raz odczytywane:\n"
    "kod wyjścia mówi, co kasa zawiera (0, gdy nowe definicje).\n"
    "Plik dla write i check musi definiować klawisze, a każda jego linia trafić do klawisza\n"
    "(nie: kod spoza kasy, klawisz podany ponownie); klawisze kasuje polecenie delete.\n"
    "Kody wyjścia: 0 gotowe, 1 błędny format pliku, 2 plik nieczytelny, niezapisywalny lub\n"
    "błędne użycie, 3 odmowa kasy lub biblioteki (kod w komunikacie), 4 definicje się różnią,\n"
    "5 brak odpowiedzi kasy lub błąd łącza (kody 20, 21, 23, 24), 6 kasa o innym numerze (22).\n";

void WypiszUzycie(std::ostream& o) {
    o << UzyciePlikow << UzycieWkladki << UzycieKasy;
}

int BladUzycia(std::ostream& err, const std::string& powod) {
    err << PoczatekKomunikatu << powod << "\n";
    WypiszUzycie(err);
    return KodBladUzycia;
}

int Wczytaj(const std::string& plik, TabliceKlawiszy& tablice, std::ostream& err) {
    return WczytajDefinicje(plik, tablice, err);
}

std::string Podsumowanie(const TabliceKlawiszy& tablice) {
    std::array<int, 4> liczby{};
    for (const auto& k : KolejnoscKlawiszy())
        ++liczby[tablice.Rekord(k.miejsce).Rodzaj & 3u];
    return "64 klawisze: niezdefiniowane " + std::to_string(liczby[0]) + ", towary " +
           std::to_string(liczby[1]) + ", funkcje " + std::to_string(liczby[2]) + ", płatności " +
           std::to_string(liczby[3]);
}

int Check(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1)
        return BladUzycia(err, "check bierze jeden plik");
    TabliceKlawiszy tablice;
    if (int kod = WczytajDefinicje(a[0], tablice, err, CalyPlik::Tak); kod != KodSukces)
        return kod;
    out << Podsumowanie(tablice) << "\n";
    return KodSukces;
}

bool PoprawnyNumerKasy(const std::string& numer) {
    if (numer.empty() || numer.size() > 2)
        return false;
    for (char c : numer)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int Normalize(const std::vector<std::string>& a, std::ostream&, std::ostream& err) {
    std::vector<std::string> pliki;
    std::string numer = "01";
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--register") {
            if (i + 1 >= a.size() || !PoprawnyNumerKasy(a[i + 1]))
                return BladUzycia(err, "--register wymaga numeru kasy z 1 lub 2 cyfr");
            numer = a[++i];
        } else {
            pliki.push_back(a[i]);
        }
    }
    if (pliki.size() != 2)
        return BladUzycia(err, "normalize bierze plik wejściowy i wyjściowy");
    if (auto problem = ProblemWyjscia(pliki[1], {pliki[0]})) {
        return ZglosBladPliku(err, *problem);
    }
    TabliceKlawiszy tablice;
    if (int kod = Wczytaj(pliki[0], tablice, err); kod != KodSukces)
        return kod;
    if (auto zapis = ZapiszPlikDefinicji(tablice, pliki[1], numer); !zapis)
        return ZglosBladPliku(err, zapis.Blad());
    return KodSukces;
}

// The register's names for show: the files given, else the reply files of
// the current folder when they are there.
int WczytajNazwy(const OpcjeKasy& o, NazwyKasy& nazwy, std::ostream& err) {
    const auto plik = [](const std::optional<std::string>& dany, const char* domyslny) {
        if (dany)
            return *dany;
        std::error_code ec;
        const auto p = ZnajdzPlik(domyslny);
        return fs::exists(p, ec) ? p.string() : std::string();
    };
    if (const std::string t = plik(o.towary, NazwaPlikuTowarow); !t.empty()) {
        nazwy.towary.emplace();
        const auto linie = CzytajLinie(t, GranicePlikuTowarow);
        if (!linie)
            return ZglosBladPliku(err, linie.Blad());
        CzytajTowary(*linie, *nazwy.towary);
    }
    if (const std::string p = plik(o.platnosci, NazwaPlikuPlatnosci); !p.empty()) {
        const auto linie = CzytajLinie(p, GranicePlikuPlatnosci);
        if (!linie)
            return ZglosBladPliku(err, linie.Blad());
        nazwy.platnosci = CzytajPlatnosci(*linie);
    }
    return KodSukces;
}

void PokazJson(const std::string& plik, const TabliceKlawiszy& tablice, const NazwyKasy& nazwy,
               std::ostream& out) {
    out << "{\"plik\": " << JsonTekst(DlaTerminala(plik)) << ", \"klawisze\": [";
    bool pierwszy = true;
    for (const auto& k : KolejnoscKlawiszy()) {
        out << (pierwszy ? "\n  " : ",\n  ") << "{" << JsonMiejsca(k.miejsce)
            << ", \"definicja\": " << JsonDefinicji(tablice.Rekord(k.miejsce), nazwy) << "}";
        pierwszy = false;
    }
    out << "\n]}\n";
}

int Show(const std::vector<std::string>& a, std::ostream& out, std::ostream& err,
         const ZapisListyPdf& listaPdf) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    std::string blad;
    if (!ParsujOpcje(a, {.json = true, .nazwy = true, .pdf = ZWkladka}, opcje, pliki, blad))
        return BladUzycia(err, blad);
    if (pliki.size() != 1)
        return BladUzycia(err, "show bierze jeden plik");
    if (opcje.pdf && opcje.json)
        return BladUzycia(err, "show bierze --pdf albo --json");
    if (opcje.pdf && !listaPdf)
        return BladUzycia(err, "--pdf wymaga orbaklaw-cli zbudowanego z Qt");
    if (opcje.pdf) {
        std::vector<std::string> wejscia{pliki[0]};
        for (const auto& plik : {opcje.towary, opcje.platnosci})
            if (plik)
                wejscia.push_back(*plik);
        if (auto problem = ProblemWyjscia(*opcje.pdf, wejscia)) {
            return ZglosBladPliku(err, *problem);
        }
    }
    TabliceKlawiszy tablice;
    if (int kod = Wczytaj(pliki[0], tablice, err); kod != KodSukces)
        return kod;
    NazwyKasy nazwy;
    if (int kod = WczytajNazwy(opcje, nazwy, err); kod != KodSukces)
        return kod;
    if (opcje.pdf)
        return listaPdf({tablice, nazwy, pliki[0], *opcje.pdf}, err);
    if (opcje.json) {
        PokazJson(pliki[0], tablice, nazwy, out);
        return KodSukces;
    }
    for (const auto& k : KolejnoscKlawiszy())
        out << Utf8Z1250(OpisKlawisza(k.miejsce, tablice.Rekord(k.miejsce), nazwy)) << "\n";
    return KodSukces;
}

int Diff(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    OpcjeKasy opcje;
    std::vector<std::string> pliki;
    std::string blad;
    if (!ParsujOpcje(a, {.json = true}, opcje, pliki, blad))
        return BladUzycia(err, blad);
    if (pliki.size() != 2)
        return BladUzycia(err, "diff bierze dwa pliki definicji");
    TabliceKlawiszy pierwsze;
    TabliceKlawiszy drugie;
    if (int kod = Wczytaj(pliki[0], pierwsze, err); kod != KodSukces)
        return kod;
    if (int kod = Wczytaj(pliki[1], drugie, err); kod != KodSukces)
        return kod;
    const auto roznice = Porownaj(pierwsze, drugie);
    if (opcje.json)
        WypiszRozniceJson(roznice, out);
    else
        WypiszRoznice(roznice, out);
    return roznice.empty() ? KodSukces : KodRoznice;
}

int Polecenie_(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err,
               const PoleceniaDodatkowe& dodatkowe, const ZapisListyPdf& listaPdf) {
    if (argumenty.empty())
        return BladUzycia(err, "brak polecenia");
    const std::string& nazwa = argumenty[0];
    if (nazwa == "--help" || nazwa == "-h" || nazwa == "help") {
        WypiszUzycie(out);
        return KodSukces;
    }
    PoleceniaDodatkowe polecenia{
        {"check", Check},
        {"normalize", Normalize},
        {"show", [&listaPdf](const auto& a, auto& o, auto& e) { return Show(a, o, e, listaPdf); }},
        {"diff", Diff},
        {"read", Read},
        {"write", Write},
        {"delete", Delete},
        {"goods", Goods},
        {"verify", Verify},
        {"test", Test}};
    polecenia.insert(polecenia.end(), dodatkowe.begin(), dodatkowe.end());
    const std::vector<std::string> reszta(argumenty.begin() + 1, argumenty.end());
    for (const auto& [n, polecenie] : polecenia)
        if (nazwa == n)
            return polecenie(reszta, out, err);
    return BladUzycia(err, "nieznane polecenie: " + nazwa);
}

} // namespace

int Uruchom(const std::vector<std::string>& argumenty, std::ostream& out, std::ostream& err,
            const PoleceniaDodatkowe& dodatkowe, const ZapisListyPdf& listaPdf) {
    // Whatever a command lets through ends here as a message, never as an abort.
    try {
        return Polecenie_(argumenty, out, err, dodatkowe, listaPdf);
    } catch (const std::bad_alloc&) {
        err << PoczatekKomunikatu << "brak pamięci\n";
    } catch (const std::exception& e) {
        err << PoczatekKomunikatu << DlaTerminala(e.what()) << "\n";
    }
    return KodBladPliku;
}

} // namespace orbaklaw::cli

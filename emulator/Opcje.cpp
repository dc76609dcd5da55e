#include "emulator/Opcje.h"

#include "files/LiczbaCalkowita.h"

#include <map>
#include <stdexcept>

namespace orbaklaw::emulator {

namespace {

int Liczba(const std::string& tekst, int od, int do_, const std::string& opcja) {
    std::optional<int32_t> n;
    if (tekst.rfind("0x", 0) == 0) {
        try {
            size_t uzyte = 0;
            n = std::stoi(tekst.substr(2), &uzyte, 16);
            if (uzyte != tekst.size() - 2)
                n.reset();
        } catch (const std::exception&) {
        }
    } else {
        n = CzytajLiczbe(tekst);
    }
    if (!n || *n < od || *n > do_)
        throw std::invalid_argument(opcja + ": " + tekst + " nie jest liczbą od " +
                                    std::to_string(od) + " do " + std::to_string(do_));
    return *n;
}

const std::map<std::string, Usterka>& Usterki() {
    static const std::map<std::string, Usterka> u{
        {"silent", Usterka::Silent},
        {"nak", Usterka::Nak},
        {"corrupt", Usterka::Corrupt},
        {"hangup", Usterka::Hangup},
        {"other-number", Usterka::OtherNumber},
        {"slow", Usterka::Slow},
        {"stale-key", Usterka::StaleKey},
    };
    return u;
}

} // namespace

const char* OpisOpcji() {
    return "Użycie: orba-emu --link ŚCIEŻKA [OPCJE]\n"
           "Kasa ORBA (albo multiplekser z czterema kasami) na pseudoterminalu, którego\n"
           "ścieżkę podaje dowiązanie ŚCIEŻKA. Gdy nasłuchuje, wypisuje \"ready ŚCIEŻKA\".\n"
           "Kończy się na SIGTERM lub SIGINT albo wraz z procesem, który ją uruchomił.\n"
           "\n"
           "  --link ŚCIEŻKA     dowiązanie do pseudoterminala (wymagane)\n"
           "  --state KATALOG    pamięć kasy (towary, płatności, klawisze) w KATALOG\n"
           "  --no-pacing        odpowiedzi bez czekania na czas przesyłu bajtów\n"
           "  --fault RODZAJ     usterka: silent, nak, corrupt, hangup, other-number, slow,\n"
           "                     stale-key\n"
           "  --slow-ms N        opóźnienie odpowiedzi przy usterce slow (ms)\n"
           "  --fault-command R  usterki tylko przy rozkazie R (np. 0x11, zapis klawiszy)\n"
           "  --fault-percent P  usterki przy P procentach odpowiedzi, losowo (domyślnie 100)\n"
           "  --mux              multiplekser z kasami na kanałach 1 do 4\n"
           "  --model BAJT       bajt modelu kasy (np. 0x6B)\n"
           "  --version N        wersja programu kasy\n"
           "  --number N         numer kasy 1 do 99\n"
           "  --detach           działa dalej po zakończeniu procesu, który ją uruchomił;\n"
           "                     wypisuje \"ready ŚCIEŻKA\" i \"pid N\" i oddaje wiersz\n"
           "                     poleceń; kończy się na kill N\n"
           "  --help             ten opis\n"
           "  --version          (bez wartości) wersja programu orba-emu\n";
}

Opcje CzytajOpcje(int argc, const char* const* argv) {
    Opcje o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto wartosc = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument(a + ": brak wartości");
            return argv[++i];
        };
        if (a == "--help") {
            o.pomoc = true;
            return o;
        }
        if (a == "--version" && i + 1 == argc) {
            o.pokazWersje = true;
            return o;
        }
        if (a == "--link")
            o.link = wartosc();
        else if (a == "--state")
            o.stan = wartosc();
        else if (a == "--no-pacing")
            o.pacing = false;
        else if (a == "--mux")
            o.mux = true;
        else if (a == "--detach")
            o.odlacz = true;
        else if (a == "--fault") {
            const std::string k = wartosc();
            auto it = Usterki().find(k);
            if (it == Usterki().end())
                throw std::invalid_argument("nieznana usterka: " + k);
            o.usterki.insert(it->second);
        } else if (a == "--model")
            o.model = Liczba(wartosc(), 0, 255, a);
        else if (a == "--version")
            o.wersja = Liczba(wartosc(), 0, 255, a);
        else if (a == "--number")
            o.numer = Liczba(wartosc(), 1, 99, a);
        else if (a == "--slow-ms")
            o.slowMs = Liczba(wartosc(), 0, 600000, a);
        else if (a == "--fault-command")
            o.rozkazUsterki = Liczba(wartosc(), 0, 255, a);
        else if (a == "--fault-percent")
            o.procentUsterki = Liczba(wartosc(), 0, 100, a);
        else
            throw std::invalid_argument("nieznana opcja: " + a);
    }
    if (o.link.empty())
        throw std::invalid_argument("brak wymaganej opcji --link ŚCIEŻKA");
    return o;
}

} // namespace orbaklaw::emulator

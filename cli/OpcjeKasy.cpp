#include "cli/OpcjeKasy.h"
#include "files/LiczbaCalkowita.h"
#include "files/StronyKodowe.h"

#include "format/UrzadzeniePortu.h"

namespace orbaklaw::cli {

namespace {

// After the option that lacks the file it names.
constexpr const char* WymagaPliku = " wymaga pliku";

// Option values: at most five digits.
std::optional<int> Liczba(const std::string& s, int od, int do_) {
    return CzytajCyfry(s, 5, od, do_);
}

// Whether `port` names a COM port ("COM" or "com" and digits): a device
// path never looks so.
bool NazwaCom(const std::string& port) {
    return port.size() >= 4 && (port.compare(0, 3, "COM") == 0 || port.compare(0, 3, "com") == 0) &&
           port.find_first_not_of("0123456789", 3) == std::string::npos;
}

// "COM3" or "com3": 3; the ports are those KONFIG.TXT can name, COM1..COM9.
std::optional<int> NumerCom(const std::string& port) {
    if (!NazwaCom(port))
        return std::nullopt;
    return Liczba(port.substr(3), 1, 9);
}

} // namespace

UrzadzenieComN UrzadzeniePortu(const std::string& port) {
    const auto n = NumerCom(port);
    return n ? UrzadzenieCom(*n) : UrzadzenieComN{port, ZrodloUrzadzenia::Zmienna, std::nullopt};
}

bool ParsujOpcje(const std::vector<std::string>& a, const DozwoloneOpcje& dozwolone,
                 OpcjeKasy& opcje, std::vector<std::string>& pliki, std::string& blad) {
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string& o = a[i];
        const bool nazwy = o == "--goods" || o == "--payments";
        if (nazwy && dozwolone.nazwy) {
            if (i + 1 >= a.size()) {
                blad = o + WymagaPliku;
                return false;
            }
            (o == "--goods" ? opcje.towary : opcje.platnosci) = a[++i];
            continue;
        }
        if (o == "--pdf" && dozwolone.pdf) {
            if (i + 1 >= a.size()) {
                blad = o + WymagaPliku;
                return false;
            }
            opcje.pdf = a[++i];
            continue;
        }
        const bool zWartoscia = o == "--port" || o == "--speed" || o == "--register" ||
                                o == "--timeout" || o == "--mux" || o == "--config";
        if (zWartoscia && !dozwolone.kasa) {
            blad = o + " tylko w poleceniach kasy";
            return false;
        }
        if (zWartoscia && i + 1 >= a.size()) {
            blad = o + " wymaga wartości"_w1250;
            return false;
        }
        if (o == "--port") {
            opcje.port = a[++i];
            if (opcje.port->empty()) {
                blad = "--port wymaga urządzenia lub COMn"_w1250;
                return false;
            }
            if (NazwaCom(*opcje.port) && !NumerCom(*opcje.port)) {
                blad = "--port bierze COM1..COM9 (jak KONFIG.TXT) albo ścieżkę urządzenia"_w1250;
                return false;
            }
        } else if (o == "--speed") {
            opcje.szybkosc = Liczba(a[++i], 0, 19200);
            if (opcje.szybkosc != 9600 && opcje.szybkosc != 19200) {
                blad = "--speed bierze 9600 lub 19200";
                return false;
            }
        } else if (o == "--register") {
            opcje.numer = a[++i];
            if (!Liczba(*opcje.numer, 1, 99) || opcje.numer->size() > 2) {
                blad = "--register wymaga numeru kasy 1..99 z 1 lub 2 cyfr";
                return false;
            }
        } else if (o == "--timeout") {
            opcje.timeout = Liczba(a[++i], 1, 1000);
            if (!opcje.timeout) {
                blad = "--timeout bierze liczbę sekund 1..1000"_w1250;
                return false;
            }
        } else if (o == "--mux") {
            opcje.mux = Liczba(a[++i], 0, 4);
            if (!opcje.mux) {
                blad = "--mux bierze 0 (bez multipleksera) lub kanał 1..4"_w1250;
                return false;
            }
        } else if (o == "--config") {
            opcje.konfiguracja = a[++i];
        } else if (o == "--no-backup" && dozwolone.bezKopii) {
            opcje.bezKopii = true;
        } else if (o == "--verify" && dozwolone.sprawdz) {
            opcje.sprawdz = true;
        } else if (o == "--no-verify" && dozwolone.sprawdz) {
            opcje.bezSprawdzenia = true;
        } else if (o == "--dry-run" && dozwolone.proba) {
            opcje.proba = true;
        } else if (o == "--json" && dozwolone.json) {
            opcje.json = true;
        } else if (o.size() > 1 && o[0] == '-') {
            blad = "nieznana opcja: " + o;
            return false;
        } else {
            pliki.push_back(o);
        }
    }
    return true;
}

} // namespace orbaklaw::cli

#include "cli/Json.h"

#include "cli/Komunikaty.h"
#include "cli/OpisKlawisza.h"

#include <cstdio>

namespace orbaklaw::cli {

std::string JsonTekst(const std::string& utf8) {
    std::string j = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (c == '\t') {
            j += "\\t";
        } else if (c == '\n') {
            j += "\\n";
        } else if (c == '\r') {
            j += "\\r";
        } else if (b < 0x20) {
            char kod[8];
            std::snprintf(kod, sizeof kod, "\\u%04x", b);
            j += kod;
        } else {
            j += c;
        }
    }
    return j + "\"";
}

std::string JsonDefinicji(const DefinicjaKlawisza& d, const NazwyKasy& nazwy) {
    std::string j = "{\"rodzaj\": " + std::to_string(d.Rodzaj) +
                    ", \"opis\": " + JsonTekst(Utf8Z1250(OpisDefinicji(d, nazwy)));
    if (const std::string nazwa = NazwaZKasy(d, nazwy); !nazwa.empty())
        j += ", \"nazwa\": " + JsonTekst(Utf8Z1250(nazwa));
    const auto flaga = [](uint8_t f) { return f ? std::string("true") : std::string("false"); };
    switch (d.Rodzaj) {
    case Towar:
        j += ", \"nrTowaru\": " + std::to_string(d.NrTowaru) +
             ", \"pojedynczo\": " + flaga(d.Pojedynczo) + ", \"zaplata\": " + flaga(d.Zaplata) +
             ", \"paragon\": " + flaga(d.Paragon);
        break;
    case Funkcja:
        j += ", \"numer\": " + std::to_string(d.Numer);
        break;
    case Platnosc:
        j += ", \"numer\": " + std::to_string(d.Numer) + ", \"kwota\": " + std::to_string(d.Kwota);
        break;
    default:
        break;
    }
    return j + "}";
}

std::string JsonMiejsca(MiejsceKlawisza m) {
    const std::string nazwa = Utf8Z1250(NazwaKlawisza(m));
    const size_t tab = nazwa.find('\t');
    return "\"wariant\": " + JsonTekst(nazwa.substr(0, tab)) +
           ", \"klawisz\": " + JsonTekst(tab == std::string::npos ? "" : nazwa.substr(tab + 1)) +
           ", \"kod\": " + std::to_string(KodMiejsca(m));
}

} // namespace orbaklaw::cli

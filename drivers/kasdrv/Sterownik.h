#pragma once
// The exchanges of the register-protocol library: checks of the files and
// the configuration, one protocol exchange, the reply file and the report.

#include "drivers/protocol/Link.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace orbaklaw::kasdrv {

// How the driver reaches a port; tests may hand in their own.
using OtwieranieLacza =
    std::function<std::unique_ptr<protocol::Link>(const std::string& urzadzenie, int szybkosc)>;

class Sterownik {
public:
    explicit Sterownik(OtwieranieLacza otworz = {});

    uint8_t ODefKlaw(const char* wejscie, const char* wyjscie);
    uint8_t ZDefKlaw(const char* plik);
    uint8_t KDefKlaw(const char* plik);
    uint8_t TowarMax(const char* wejscie, const char* wyjscie);
    uint8_t OPlat(const char* wejscie, const char* wyjscie);

private:
    struct Pliki {
        uint8_t kod = 0;
        std::string wyjscie;
        std::vector<std::string> linie; // of the input file
    };
    struct Wynik {
        uint8_t kod = 0;
        std::vector<uint8_t> dane;
    };

    // Name checks (1..6) and the input file's lines.
    static Pliki Przygotuj(const char* wejscie, const char* wyjscie, bool maWyjscie);
    // Configuration, output probe, report, link, multiplexer, exchange.
    Wynik Wymien(const char* funkcja, int numer, uint8_t rozkaz, const std::vector<uint8_t>& dane,
                 const std::string* wyjscie);
    // Shared course of the three reads.
    uint8_t
    Odczyt(const char* funkcja, const char* wejscie, const char* wyjscie, uint8_t rozkaz,
           const std::function<bool(const std::vector<uint8_t>&, int, std::string&)>& tekst);

    OtwieranieLacza otworz_;
    std::mutex mutex_;
    uint8_t sekwencja_ = 0;
};

} // namespace orbaklaw::kasdrv

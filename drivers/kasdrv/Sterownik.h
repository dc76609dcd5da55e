#pragma once
// The exchanges of the register-protocol library: checks of the files and
// the configuration, the protocol exchanges of one call, the reply file and
// the report.

#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Link.h"
#include "drivers/protocol/NumeryWymian.h"
#include "drivers/protocol/Postep.h"
#include "format/Konfiguracja.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace orbaklaw::kasdrv {

// How the driver reaches a port; tests may hand in their own. When the port
// can't be had, `powod` gets a sentence that says why.
using OtwieranieLacza = std::function<std::unique_ptr<protocol::Link>(
    const std::string& urzadzenie, int szybkosc, std::string& powod)>;

class Sterownik {
public:
    explicit Sterownik(OtwieranieLacza otworz = {});

    uint8_t ODefKlaw(const char* wejscie, const char* wyjscie);
    uint8_t ZDefKlaw(const char* plik);
    uint8_t KDefKlaw(const char* plik);
    uint8_t TowarMax(const char* wejscie, const char* wyjscie);
    uint8_t OPlat(const char* wejscie, const char* wyjscie);

    // Bytes done and expected of the call in progress; false when none runs.
    // Safe from any thread while a call runs.
    [[nodiscard]] bool Postep(uint32_t& zrobione, uint32_t& oczekiwane) const;
    // What the last call knew beyond its code (Windows-1250); empty when nothing.
    std::string OpisBledu() const;

private:
    struct Pliki {
        uint8_t kod = 0;
        std::string wyjscie;
        std::vector<std::string> linie; // of the input file
    };
    // Turns the data of a successful reply into the call's result.
    using Koniec = std::function<uint8_t(const std::vector<uint8_t>&)>;

    // Name checks (1..6) and the input file's lines.
    static Pliki Przygotuj(const char* wejscie, const char* wyjscie, bool maWyjscie);
    // Configuration, output probe, report, port, exchanges, result, report line.
    uint8_t Wymien(const char* funkcja, int numer, uint8_t rozkaz, const std::vector<uint8_t>& dane,
                   const std::string* wyjscie, const Koniec& koniec);
    // The exchanges on an open line: the multiplexer channel, the number
    // query (the register on the line must be the one asked for), the
    // request itself.
    protocol::Reply Rozmowa(protocol::Link& lacze, const UstawieniaKomunikacji& u, int numer,
                            uint8_t rozkaz, const std::vector<uint8_t>& dane);
    // Shared course of the three reads.
    uint8_t
    Odczyt(const char* funkcja, const char* wejscie, const char* wyjscie, uint8_t rozkaz,
           const std::function<bool(const std::vector<uint8_t>&, int, std::string&)>& tekst);
    // What a write or a deletion sends: a code other than 0 ends the call
    // with it before anything is sent.
    struct Zlecenie {
        uint8_t kod = 0;
        int numer = 0;
        std::vector<uint8_t> dane;
    };
    // Shared course of a write and a deletion: the input file is read into
    // the request, and the register's verdict is the result.
    uint8_t Werdykt(const char* funkcja, const char* plik, uint8_t rozkaz,
                    const std::function<Zlecenie(const std::vector<std::string>&)>& czytaj);
    void UstawOpis(const std::string& opis);

    OtwieranieLacza otworz_;
    std::mutex mutex_;
    protocol::NumeryWymian numery_;
    protocol::ExchangeOptions opcje_;
    protocol::Postep postep_;
    mutable std::mutex opisMutex_;
    std::string opis_;
};

} // namespace orbaklaw::kasdrv

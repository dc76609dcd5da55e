#pragma once
// The open port of the serial-port library and its exchanges.

#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Link.h"
#include "drivers/protocol/NumeryWymian.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace orbaklaw::komport {

using OtwieranieLacza =
    std::function<std::unique_ptr<protocol::Link>(const std::string& urzadzenie, int szybkosc)>;

class Komport {
public:
    explicit Komport(OtwieranieLacza otworz = {});

    uint8_t Inicjuj(uint8_t port, uint16_t szybkosc, uint16_t timeoutOdbioru,
                    uint16_t timeoutNadawania);
    void Zamknij();
    [[nodiscard]] bool UstawKanal(uint8_t kanal);
    uint8_t Sekwencja(uint8_t rozkaz, uint8_t ile, uint8_t wysylane, uint8_t* odpowiedz,
                      const uint8_t* bufor);

private:
    OtwieranieLacza otworz_;
    std::mutex mutex_;
    std::unique_ptr<protocol::Link> lacze_;
    protocol::ExchangeOptions opcje_;
    protocol::NumeryWymian numery_;
};

} // namespace orbaklaw::komport

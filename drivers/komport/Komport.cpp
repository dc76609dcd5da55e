#include "drivers/komport/Komport.h"

#include "drivers/protocol/Exchange.h"
#include "drivers/protocol/Payload.h"
#include "drivers/protocol/SerialLink.h"
#include "format/UrzadzeniePortu.h"
#include "orbaklaw/kasdrv_kody.h"

#include <algorithm>
#include <cstring>

namespace orbaklaw::komport {

namespace {

constexpr uint8_t KodZlyArgument = 1;
constexpr uint8_t KodBrakPortu = 2;
constexpr size_t RozmiarObszaru = 256;
constexpr int MsNaSekunde = 1000;

std::unique_ptr<protocol::Link> OtworzPort(const std::string& urzadzenie, int szybkosc) {
    return protocol::SerialLink::Open(urzadzenie, szybkosc);
}

// A number reply must start with two decimal digits: the caller takes them as
// the register number.
bool SensownaOdpowiedz(uint8_t rozkaz, const std::vector<uint8_t>& dane) {
    return rozkaz != protocol::cmd::Number || protocol::DecodeNumber(dane).has_value();
}

bool W(int x, int od, int do_) {
    return x >= od && x <= do_;
}

} // namespace

Komport::Komport(OtwieranieLacza otworz)
    : otworz_(otworz ? std::move(otworz) : OtwieranieLacza(OtworzPort)) {}

uint8_t Komport::Inicjuj(uint8_t port, uint16_t szybkosc, uint16_t timeoutOdbioru,
                         uint16_t timeoutNadawania) {
    std::lock_guard lock(mutex_);
    lacze_.reset();
    if (!W(port, 1, 9) || (szybkosc != 9600 && szybkosc != 19200) || !W(timeoutOdbioru, 1, 1000) ||
        !W(timeoutNadawania, 1, 1000))
        return KodZlyArgument;
    lacze_ = otworz_(UrzadzeniePortu(port), szybkosc);
    if (!lacze_)
        return KodBrakPortu;
    opcje_ = protocol::ExchangeOptions{};
    opcje_.timeoutMs = timeoutOdbioru * MsNaSekunde;
    opcje_.writeTimeoutMs = timeoutNadawania * MsNaSekunde;
    opcje_.checkAddress = false; // the link test asks whoever answers
    opcje_.speed = szybkosc;
    return 0;
}

void Komport::Zamknij() {
    std::lock_guard lock(mutex_);
    lacze_.reset();
}

bool Komport::UstawKanal(uint8_t kanal) {
    std::lock_guard lock(mutex_);
    if (!lacze_ || !W(kanal, 1, 4))
        return false;
    const auto odpowiedz = protocol::Exchange(
        *lacze_, {protocol::AnyAddress, protocol::cmd::SelectChannel, {kanal}, numery_.Nastepny()},
        opcje_);
    // A register that answers in the multiplexer's place is no confirmation.
    return odpowiedz.code == 0 && odpowiedz.address == protocol::AnyAddress;
}

uint8_t Komport::Sekwencja(uint8_t rozkaz, uint8_t ile, uint8_t wysylane, uint8_t* odpowiedz,
                           const uint8_t* bufor) {
    std::lock_guard lock(mutex_);
    if (!lacze_ || !odpowiedz || (wysylane > 0 && !bufor))
        return KASDRV_TIMEOUT_NADAWANIA;
    protocol::Frame zadanie{protocol::AnyAddress, rozkaz, {}, numery_.Nastepny()};
    if (wysylane > 0)
        zadanie.payload.assign(bufor, bufor + wysylane);
    protocol::ExchangeOptions opcje = opcje_;
    opcje.longestReply = 1u + ile; // the status, then the `ile` bytes asked for
    auto wynik = protocol::Exchange(*lacze_, zadanie, opcje);
    if (wynik.code != 0)
        return wynik.code;
    if (wynik.data.size() != ile || !SensownaOdpowiedz(rozkaz, wynik.data))
        return KASDRV_ZLA_ODPOWIEDZ;
    std::memset(odpowiedz, 0, RozmiarObszaru);
    std::copy(wynik.data.begin(), wynik.data.end(), odpowiedz);
    return 0;
}

} // namespace orbaklaw::komport

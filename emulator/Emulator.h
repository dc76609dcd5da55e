#pragma once
// Serves the line: assembles requests, paces the line, injects the faults
// asked for and routes requests to the register (or, as a multiplexer, to
// the register on the selected channel).
//
// Pacing: a byte takes 10 bit times at the speed the driver set on the port.
// A request is taken as complete only when its bytes could have crossed the
// line, and every reply byte leaves no earlier than the line allows.

#include "drivers/protocol/Frame.h"
#include "emulator/Kasa.h"
#include "emulator/Opcje.h"
#include "emulator/Pty.h"

#include <chrono>
#include <functional>
#include <random>
#include <vector>

namespace orbaklaw::emulator {

class Emulator {
public:
    Emulator(const Opcje& opcje, Pty& pty);

    // Serves until `dalej` says stop (asked about every 100 ms).
    void Sluz(const std::function<bool()>& dalej);

private:
    using Zegar = std::chrono::steady_clock;

    void Odpowiedz(const protocol::Frame& zadanie, Zegar::time_point poczatek, size_t bajty);
    // The register the frame reaches, none when it is for the multiplexer itself.
    Kasa* Adresat(const protocol::Frame& zadanie);
    std::vector<uint8_t> Tresc(const protocol::Frame& zadanie, Kasa* kasa, uint8_t& adres);
    void Wyslij(const std::vector<uint8_t>& bajty);
    bool Usterka_(Usterka u) const { return trafiona_ && opcje_.usterki.count(u) > 0; }
    // Whether the faults strike the answer to `zadanie` (--fault-command, --fault-percent).
    bool Trafiona(const protocol::Frame& zadanie);
    Zegar::duration CzasBajtow(size_t bajty) const;

    Opcje opcje_;
    Pty& pty_;
    std::vector<Kasa> kasy_;
    int kanal_ = 1;
    bool trafiona_ = true;
    std::mt19937 los_{std::random_device{}()};
};

} // namespace orbaklaw::emulator

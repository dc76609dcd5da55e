#include "emulator/Emulator.h"

#include "drivers/protocol/FrameDecoder.h"

#include <thread>

namespace orbaklaw::emulator {

namespace {

constexpr int LiczbaKanalow = 4;
constexpr int BitowNaBajt = 10;
constexpr size_t PorcjaWysylki = 8;
constexpr int TimeoutWysylkiMs = 2000;
constexpr int OkresPytaniaMs = 100;
constexpr int PrzerwaRamkiMs = 500;

std::optional<std::filesystem::path> FolderKasy(const Opcje& o, int kanal) {
    if (!o.stan)
        return std::nullopt;
    std::filesystem::path folder(*o.stan);
    return o.mux ? folder / ("kasa" + std::to_string(kanal)) : folder;
}

} // namespace

Emulator::Emulator(const Opcje& opcje, Pty& pty) : opcje_(opcje), pty_(pty) {
    const auto model = static_cast<uint8_t>(opcje.model);
    const auto wersja = static_cast<uint8_t>(opcje.wersja);
    if (opcje.mux) {
        for (int k = 1; k <= LiczbaKanalow; ++k)
            kasy_.emplace_back(TozsamoscKasy{model, wersja, k}, StanKasy(FolderKasy(opcje, k)));
    } else {
        kasy_.emplace_back(TozsamoscKasy{model, wersja, opcje.numer},
                           StanKasy(FolderKasy(opcje, 1)));
    }
}

Emulator::Zegar::duration Emulator::CzasBajtow(size_t bajty) const {
    if (!opcje_.pacing)
        return Zegar::duration::zero();
    const auto mikro = static_cast<int64_t>(bajty) * BitowNaBajt * 1000000 / pty_.Speed();
    return std::chrono::microseconds(mikro);
}

void Emulator::Sluz(const std::function<bool()>& dalej) {
    protocol::FrameDecoder dekoder;
    Zegar::time_point poczatek{};
    Zegar::time_point ostatni{};
    while (dalej()) {
        const auto bajty = pty_.Read(OkresPytaniaMs);
        // A frame whose sender fell silent halfway (a client killed while
        // sending) is dropped, so it can't swallow the next client's request.
        if (bajty.empty() && dekoder.Current() != protocol::FrameDecoder::State::Empty &&
            Zegar::now() - ostatni > std::chrono::milliseconds(PrzerwaRamkiMs))
            dekoder.Reset();
        if (!bajty.empty())
            ostatni = Zegar::now();
        for (uint8_t b : bajty) {
            if (dekoder.Current() == protocol::FrameDecoder::State::Empty) {
                if (b != protocol::STX)
                    continue; // line noise between requests
                poczatek = Zegar::now();
            }
            auto stan = dekoder.Feed(b);
            if (stan == protocol::FrameDecoder::State::Corrupt) {
                if (!Usterka_(Usterka::Silent))
                    Wyslij({protocol::NAK});
                dekoder.Reset();
            } else if (stan == protocol::FrameDecoder::State::Complete) {
                Odpowiedz(dekoder.Result(), poczatek, dekoder.Received());
                dekoder.Reset();
            }
        }
    }
}

Kasa* Emulator::Adresat(const protocol::Frame& zadanie) {
    if (opcje_.mux && zadanie.address == protocol::AnyAddress &&
        zadanie.command == protocol::cmd::SelectChannel)
        return nullptr;
    return &kasy_[opcje_.mux ? static_cast<size_t>(kanal_ - 1) : 0];
}

std::vector<uint8_t> Emulator::Tresc(const protocol::Frame& zadanie, Kasa* kasa, uint8_t& adres) {
    if (!kasa) {
        adres = protocol::AnyAddress;
        if (zadanie.payload.size() != 1 || zadanie.payload[0] < 1 ||
            zadanie.payload[0] > LiczbaKanalow)
            return {status::ParametrPozaZakresem};
        kanal_ = zadanie.payload[0];
        return {0};
    }
    adres = static_cast<uint8_t>(kasa->Numer());
    if (Usterka_(Usterka::OtherNumber))
        adres = static_cast<uint8_t>(kasa->Numer() % 99 + 1);
    kasa->ZostawStaryKlawisz(Usterka_(Usterka::StaleKey));
    auto tresc = kasa->Obsluz(zadanie);
    // A reply the length field can't carry is refused rather than cut.
    return protocol::Fits(tresc) ? tresc : std::vector<uint8_t>{status::ParametrPozaZakresem};
}

bool Emulator::Trafiona(const protocol::Frame& zadanie) {
    if (opcje_.rozkazUsterki >= 0 && zadanie.command != opcje_.rozkazUsterki)
        return false;
    return std::uniform_int_distribution<int>(0, 99)(los_) < opcje_.procentUsterki;
}

void Emulator::Odpowiedz(const protocol::Frame& zadanie, Zegar::time_point poczatek, size_t bajty) {
    std::this_thread::sleep_until(poczatek + CzasBajtow(bajty));
    trafiona_ = Trafiona(zadanie);
    Kasa* kasa = Adresat(zadanie);
    if (kasa && !kasa->Adresowana(zadanie))
        return; // for another register: this one neither acts nor answers
    if (Usterka_(Usterka::Silent))
        return;
    if (Usterka_(Usterka::Slow))
        std::this_thread::sleep_for(std::chrono::milliseconds(opcje_.slowMs));
    if (Usterka_(Usterka::Nak)) {
        Wyslij({protocol::NAK});
        return;
    }
    uint8_t adres = 0;
    auto tresc = Tresc(zadanie, kasa, adres);
    auto ramka = protocol::Encode({adres, zadanie.command, std::move(tresc), zadanie.sequence});
    if (Usterka_(Usterka::Corrupt))
        ramka.back() ^= 0x5A;
    if (Usterka_(Usterka::Hangup))
        ramka.resize(ramka.size() / 2);
    ramka.insert(ramka.begin(), protocol::ACK);
    Wyslij(ramka);
}

void Emulator::Wyslij(const std::vector<uint8_t>& bajty) {
    const auto start = Zegar::now();
    for (size_t wyslane = 0; wyslane < bajty.size();) {
        std::this_thread::sleep_until(start + CzasBajtow(wyslane));
        const size_t ile =
            opcje_.pacing ? std::min(PorcjaWysylki, bajty.size() - wyslane) : bajty.size();
        if (!pty_.Write(bajty.data() + wyslane, ile, TimeoutWysylkiMs))
            return; // nobody reads: the rest is lost, as on a cut line
        wyslane += ile;
    }
}

} // namespace orbaklaw::emulator

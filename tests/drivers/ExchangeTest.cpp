// The drivers' side of one exchange, against a scripted line.
#include "drivers/protocol/Exchange.h"
#include "drivers/komport/Komport.h"
#include "drivers/protocol/Payload.h"
#include "orbaklaw/kasdrv_kody.h"

#include <chrono>
#include <deque>
#include <gtest/gtest.h>
#include <thread>

namespace orbaklaw::protocol {
namespace {

// Answers each request with the next scripted reply (bytes); an empty
// script entry is silence.
class SkryptowaneLacze : public Link {
public:
    std::deque<std::vector<uint8_t>> odpowiedzi;
    std::vector<std::vector<uint8_t>> wyslane;
    bool zapisMozliwy = true;

    bool echo = false; // replies carry the exchange number of the request

    bool Write(const std::vector<uint8_t>& bajty, int) override {
        if (!zapisMozliwy)
            return false;
        wyslane.push_back(bajty);
        if (!odpowiedzi.empty()) {
            wejscie_ = odpowiedzi.front();
            odpowiedzi.pop_front();
            if (echo && wejscie_.size() > 7 && bajty.size() > 4) {
                wejscie_[4] = bajty[3];
                wejscie_[5] = bajty[4];
                const uint16_t crc = Crc16(wejscie_.data() + 2, wejscie_.size() - 4);
                wejscie_[wejscie_.size() - 2] = static_cast<uint8_t>(crc >> 8);
                wejscie_[wejscie_.size() - 1] = static_cast<uint8_t>(crc & 0xFF);
            }
        }
        return true;
    }
    std::vector<uint8_t> Read(size_t max, int) override {
        const size_t ile = std::min(max, wejscie_.size());
        std::vector<uint8_t> b(wejscie_.begin(), wejscie_.begin() + static_cast<long>(ile));
        wejscie_.erase(wejscie_.begin(), wejscie_.begin() + static_cast<long>(ile));
        return b;
    }
    void DiscardInput() override { wejscie_.clear(); }

private:
    std::vector<uint8_t> wejscie_;
};

std::vector<uint8_t> Odp(uint8_t adres, uint8_t rozkaz, std::vector<uint8_t> tresc,
                         uint8_t sekwencja = 0) {
    auto r = Encode({adres, rozkaz, std::move(tresc), sekwencja});
    r.insert(r.begin(), ACK);
    return r;
}

const Frame Zadanie{5, cmd::ReadKeys, {}};
const ExchangeOptions Opcje{100, 0, 3, true};

struct Scenariusz {
    const char* nazwa;
    std::deque<std::vector<uint8_t>> odpowiedzi;
    uint8_t kod;
    size_t prob;
};

void PrintTo(const Scenariusz& p, std::ostream* os) {
    *os << p.nazwa;
}

class Wymiana : public ::testing::TestWithParam<Scenariusz> {};

TEST_P(Wymiana, GivesItsCodeAfterBoundedAttempts) {
    SkryptowaneLacze lacze;
    lacze.odpowiedzi = GetParam().odpowiedzi;
    auto wynik = Exchange(lacze, Zadanie, Opcje);
    EXPECT_EQ(wynik.code, GetParam().kod);
    EXPECT_EQ(lacze.wyslane.size(), GetParam().prob);
}

std::vector<uint8_t> Zlacz(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<uint8_t> Uszkodzona() {
    auto r = Odp(5, cmd::ReadKeys, {0});
    r.back() ^= 1;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Protokol, Wymiana,
    ::testing::Values(
        Scenariusz{"Done", {Odp(5, cmd::ReadKeys, {0, 9})}, 0, 1},
        Scenariusz{"Silence", {{}}, 21, 1}, Scenariusz{"AckThenSilence", {{ACK}}, 21, 1},
        Scenariusz{"HalfAReply", {{ACK, STX, 5, cmd::ReadKeys, 0}}, 21, 1},
        Scenariusz{"NakEveryTime", {{NAK}, {NAK}, {NAK}}, 24, 3},
        Scenariusz{"NakThenDone", {{NAK}, Odp(5, cmd::ReadKeys, {0})}, 0, 2},
        Scenariusz{"CorruptEveryTime", {Uszkodzona(), Uszkodzona(), Uszkodzona()}, 23, 3},
        Scenariusz{"CorruptThenDone", {Uszkodzona(), Odp(5, cmd::ReadKeys, {0})}, 0, 2},
        Scenariusz{"GarbageInsteadOfAck", {{0x41}, {0x41}, {0x41}}, 23, 3},
        Scenariusz{"AnotherRegister", {Odp(6, cmd::ReadKeys, {0})}, 22, 1},
        Scenariusz{"AnotherCommand", {Odp(5, cmd::Number, {0})}, 23, 1},
        Scenariusz{"NoStatusByte", {Odp(5, cmd::ReadKeys, {})}, 23, 1},
        Scenariusz{"StatusForAnOldVersion", {Odp(5, cmd::ReadKeys, {25})}, 25, 1},
        Scenariusz{"StatusMappedToRefusal", {Odp(5, cmd::ReadKeys, {0x80 | 30})}, 105, 1},
        Scenariusz{"LateReplyToAnEarlierRequestIsPassedOver",
                   {Zlacz(Odp(5, cmd::ReadKeys, {0, 1}, 9), Odp(5, cmd::ReadKeys, {0}))},
                   0,
                   1},
        Scenariusz{"OnlyALateReply", {Odp(5, cmd::ReadKeys, {0}, 9)}, 21, 1},
        Scenariusz{"EndlessLateReplies",
                   {Zlacz(Zlacz(Odp(5, cmd::ReadKeys, {0}, 9), Odp(5, cmd::ReadKeys, {0}, 9)),
                          Zlacz(Odp(5, cmd::ReadKeys, {0}, 9), Odp(5, cmd::ReadKeys, {0}, 9)))},
                   23,
                   1},
        Scenariusz{"TopBitAloneIsSuccess", {Odp(5, cmd::ReadKeys, {0x80})}, 0, 1},
        Scenariusz{"StatusWithNoMessage", {Odp(5, cmd::ReadKeys, {0x40})}, 255, 1}),
    [](const auto& p) { return std::string(p.param.nazwa); });

TEST(Wymiana, ReplyDataFollowsTheStatusByte) {
    SkryptowaneLacze lacze;
    lacze.odpowiedzi = {Odp(5, cmd::ReadKeys, {0, 1, 2, 3})};
    auto wynik = Exchange(lacze, Zadanie, Opcje);
    EXPECT_EQ(wynik.data, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(lacze.wyslane.at(0), Encode(Zadanie));
}

TEST(Wymiana, BlockedLineGives20) {
    SkryptowaneLacze lacze;
    lacze.zapisMozliwy = false;
    EXPECT_EQ(Exchange(lacze, Zadanie, Opcje).code, 20);
}

TEST(Wymiana, AddressIsNotCheckedWhenAnyoneMayAnswer) {
    SkryptowaneLacze lacze;
    lacze.odpowiedzi = {Odp(9, cmd::Identify, {0, 0x6B, 2, 0, 0})};
    ExchangeOptions o = Opcje;
    o.checkAddress = false;
    auto wynik = Exchange(lacze, {AnyAddress, cmd::Identify, {}}, o);
    EXPECT_EQ(wynik.code, 0);
    EXPECT_EQ(wynik.address, 9);
}

// A peer that sends one byte now and then, each just inside the timeout:
// the ACK, then a frame that claims the longest payload and never ends.
class KapiaceLacze : public Link {
public:
    int odstepMs = 40;
    size_t najwiecej = 100; // then it falls silent
    bool Write(const std::vector<uint8_t>&, int) override { return true; }
    std::vector<uint8_t> Read(size_t, int timeoutMs) override {
        if (wyslane_ >= najwiecej)
            return {};
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(odstepMs, timeoutMs)));
        if (timeoutMs < odstepMs)
            return {};
        static const uint8_t poczatek[] = {ACK, STX, 5, cmd::Number, 0, 0, 0xFF, 0xFF};
        const uint8_t b = wyslane_ < sizeof poczatek ? poczatek[wyslane_] : 0x55;
        ++wyslane_;
        return {b};
    }
    void DiscardInput() override {}

private:
    size_t wyslane_ = 0;
};

TEST(Wymiana, AReplyThatTricklesInEndsAtTheDeadline) {
    KapiaceLacze lacze;
    ExchangeOptions o{100, 0, 3, false};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Exchange(lacze, {AnyAddress, cmd::Number, {}}, o).code, KASDRV_TIMEOUT_ODBIERANIA);
    // The request, the ACK and the longest number reply take 24 ms at 9600 bit/s.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
}

TEST(Wymiana, LongestRepliesFollowTheCommands) {
    EXPECT_EQ(LongestReply(cmd::Identify), 5u);
    EXPECT_EQ(LongestReply(cmd::Number), 4u);
    EXPECT_EQ(LongestReply(cmd::ReadKeys), 1u + 64u * KeyRecordSize);
    EXPECT_EQ(LongestReply(cmd::WriteKeys), 2u);
    EXPECT_EQ(LongestReply(0x77), MaxPayload);
    EXPECT_EQ(LineMs(960, 9600), 1000);
    EXPECT_EQ(LineMs(1, 19200), 1);
}

// Progress is counted on the line: the request once sent, then every reply
// byte; the expected count follows the reply's real length once its header
// has arrived.
class LaczeZPostepem : public SkryptowaneLacze {
public:
    Postep* postep = nullptr;
    std::vector<std::pair<uint32_t, uint32_t>> widziane;
    std::vector<uint8_t> Read(size_t, int t) override {
        uint32_t z = 0, o = 0;
        if (!wyslane.empty() && postep->Odczytaj(z, o))
            widziane.emplace_back(z, o);
        return SkryptowaneLacze::Read(1, t);
    }
};

TEST(Wymiana, CountsItsProgressOnTheLine) {
    LaczeZPostepem lacze;
    Postep postep;
    lacze.postep = &postep;
    const auto odpowiedz = Odp(5, cmd::ReadKeys, {0, 1, 2, 3});
    lacze.odpowiedzi = {odpowiedz};
    ExchangeOptions o = Opcje;
    o.postep = &postep;
    postep.Zacznij();
    ASSERT_EQ(Exchange(lacze, Zadanie, o).code, 0);
    const uint32_t zadanie = static_cast<uint32_t>(Encode(Zadanie).size());
    ASSERT_FALSE(lacze.widziane.empty());
    EXPECT_EQ(lacze.widziane.front().first, zadanie);
    EXPECT_GT(lacze.widziane.front().second, zadanie);
    for (size_t i = 1; i < lacze.widziane.size(); ++i)
        EXPECT_GE(lacze.widziane[i].first, lacze.widziane[i - 1].first);
    uint32_t z = 0, oczekiwane = 0;
    ASSERT_TRUE(postep.Odczytaj(z, oczekiwane));
    EXPECT_EQ(z, zadanie + odpowiedz.size());
    EXPECT_EQ(oczekiwane, z);
    postep.Zakoncz();
    EXPECT_FALSE(postep.Odczytaj(z, oczekiwane));
}

// The link test takes the number reply's two bytes as the register number.
TEST(Komport, NumberReplyWithoutTwoDigitsGives23) {
    const std::vector<std::pair<std::vector<uint8_t>, uint8_t>> przypadki{
        {{0, '0', '7', 0}, 0}, {{0, ' ', '7', 0}, 23}, {{0, '0', 'x', 0}, 23}};
    for (const auto& przypadek : przypadki) {
        const auto tresc = przypadek.first;
        komport::Komport port([tresc](const std::string&, int) {
            auto lacze = std::make_unique<SkryptowaneLacze>();
            lacze->echo = true;
            lacze->odpowiedzi = {Odp(1, cmd::Number, tresc)};
            return lacze;
        });
        ASSERT_EQ(port.Inicjuj(1, 9600, 1, 1), 0);
        uint8_t odpowiedz[256];
        EXPECT_EQ(port.Sekwencja(cmd::Number, 3, 0, odpowiedz, nullptr), przypadek.second);
    }
}

// Only the multiplexer answers a channel choice, from address 0; a register
// that answers it in the multiplexer's place confirms nothing.
TEST(Komport, OnlyTheMultiplexerConfirmsAChannel) {
    const std::vector<std::pair<uint8_t, bool>> przypadki{{0, true}, {1, false}, {7, false}};
    for (const auto& [adres, potwierdzony] : przypadki) {
        komport::Komport port([adres = adres](const std::string&, int) {
            auto lacze = std::make_unique<SkryptowaneLacze>();
            lacze->echo = true;
            lacze->odpowiedzi = {Odp(adres, cmd::SelectChannel, {0})};
            return lacze;
        });
        ASSERT_EQ(port.Inicjuj(1, 9600, 1, 1), 0);
        EXPECT_EQ(port.UstawKanal(2), potwierdzony) << int(adres);
    }
}

} // namespace
} // namespace orbaklaw::protocol

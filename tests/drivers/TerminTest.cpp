// A peer that keeps sending a byte just inside the timeout can't hold a call
// past the time the longest reply needs at the line's speed plus the timeout.
#include "SrodowiskoKasy.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace orbaklaw::testy {
namespace {

using Zegar = std::chrono::steady_clock;

// A pseudo-terminal at the link's path whose far end answers every request
// with ACK, STX and then one byte every `odstep`, for `najdluzej` at most.
class KapiacyRozmowca {
public:
    KapiacyRozmowca(const std::string& link, std::chrono::milliseconds odstep,
                    std::chrono::milliseconds najdluzej)
        : link_(link) {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        const char* nazwa = ptsname(master_);
        if (!nazwa)
            return;
        const std::string slave = nazwa;
        slave_ = open(slave.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
        unlink(link_.c_str());
        gotowy_ = symlink(slave.c_str(), link_.c_str()) == 0;
        watek_ = std::thread([this, odstep, najdluzej] { Mow(odstep, najdluzej); });
    }
    ~KapiacyRozmowca() {
        koniec_ = true;
        if (watek_.joinable())
            watek_.join();
        unlink(link_.c_str());
        if (slave_ >= 0)
            close(slave_);
        if (master_ >= 0)
            close(master_);
    }
    bool Gotowy() const { return gotowy_; }

private:
    void Mow(std::chrono::milliseconds odstep, std::chrono::milliseconds najdluzej) {
        // Waits for the first request.
        while (!koniec_) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 20) > 0)
                break;
        }
        const auto stop = Zegar::now() + najdluzej;
        const uint8_t poczatek[] = {0x06, 0x02, 1, 0xFE, 0, 1, 0xFF, 0xFF, 0xFF};
        for (size_t i = 0; !koniec_ && Zegar::now() < stop; ++i) {
            const uint8_t b = i < sizeof poczatek ? poczatek[i] : 0x55;
            if (write(master_, &b, 1) != 1)
                return;
            for (auto t = Zegar::now() + odstep; !koniec_ && Zegar::now() < t;)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::string link_;
    int master_ = -1;
    int slave_ = -1;
    bool gotowy_ = false;
    std::atomic<bool> koniec_{false};
    std::thread watek_;
};

constexpr auto Odstep = std::chrono::milliseconds(700);
constexpr auto Najdluzej = std::chrono::seconds(9);

TEST(Termin, TheLinkTestEndsSoonAfterTheTimeout) {
    SrodowiskoKasy s;
    KapiacyRozmowca rozmowca(s.Link(), Odstep, Najdluzej);
    ASSERT_TRUE(rozmowca.Gotowy());
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    uint8_t odpowiedz[256] = {};
    uint8_t bufor[256] = {};
    const auto start = Zegar::now();
    EXPECT_EQ(RSSequence(0xFE, 4, 0, odpowiedz, bufor), 21);
    EXPECT_LT(Zegar::now() - start, std::chrono::milliseconds(2500));
    UnInitializePort();
}

TEST(Termin, ARegisterLibraryCallEndsSoonAfterTheTimeout) {
    SrodowiskoKasy s;
    KapiacyRozmowca rozmowca(s.Link(), Odstep, Najdluzej);
    ASSERT_TRUE(rozmowca.Gotowy());
    s.Konfiguracja(1);
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    const auto start = Zegar::now();
    EXPECT_EQ(ODef(), 21);
    // The call's first exchange, the number query, meets the trickle.
    EXPECT_LT(Zegar::now() - start, std::chrono::milliseconds(3500));
}

} // namespace
} // namespace orbaklaw::testy

// What the libraries promise about threads: the progress and the failure
// description can be read from another thread while an exchange runs, and
// calls made from several threads at once are serialised inside each
// library. The test command also runs these built with ThreadSanitizer,
// which fails them on any data race behind those promises.
#include "SrodowiskoKasy.h"
#include "WolnaKasa.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace orbaklaw::testy {
namespace {

// What one thread saw of the calls another thread made.
struct Obserwacje {
    int odczyty = 0;          // kasdrv_postep calls
    int wTrakcie = 0;         // of them, those that found a call running
    int nieuporzadkowane = 0; // pairs with more done than expected
};

// Polls the progress and the failure description as fast as it can until
// `koniec` is set.
Obserwacje Obserwuj(const std::atomic<bool>& koniec) {
    Obserwacje o;
    char opis[256];
    while (!koniec) {
        uint32_t zrobione = 0, oczekiwane = 0;
        ++o.odczyty;
        if (kasdrv_postep(&zrobione, &oczekiwane) == 1) {
            ++o.wTrakcie;
            if (zrobione > oczekiwane)
                ++o.nieuporzadkowane;
        }
        kasdrv_opis_bledu(opis, sizeof opis);
        std::this_thread::yield();
    }
    return o;
}

class Watki : public WolnaKasa {
protected:
    // Runs every call in a thread of its own, all at once, and watches the
    // progress from this thread until they have all ended.
    std::vector<int> RazemZObserwacja(const std::vector<std::function<int()>>& wywolania,
                                      Obserwacje& obserwacje) {
        std::vector<int> wyniki(wywolania.size(), -1);
        std::atomic<size_t> skonczone{0};
        std::atomic<bool> koniec{false};
        std::vector<std::thread> watki;
        for (size_t i = 0; i < wywolania.size(); ++i)
            watki.emplace_back([&, i] {
                wyniki[i] = wywolania[i]();
                if (++skonczone == wywolania.size())
                    koniec = true;
            });
        obserwacje = Obserwuj(koniec);
        for (auto& w : watki)
            w.join();
        return wyniki;
    }
};

TEST_F(Watki, ProgressAndDescriptionAreReadWhileACallRuns) {
    Obserwacje o;
    const auto wyniki = RazemZObserwacja({[] { return int{ODef("123.@#$", "k.txt")}; }}, o);
    EXPECT_EQ(wyniki, std::vector<int>{0});
    EXPECT_GT(o.wTrakcie, 0) << "the call was never seen running";
    EXPECT_EQ(o.nieuporzadkowane, 0);
    EXPECT_TRUE(std::filesystem::exists("k.txt"));
}

// Each call waits for the one before it instead of finding the port held.
TEST_F(Watki, CallsFromSeveralThreadsAreSerialised) {
    Obserwacje o;
    const auto wyniki = RazemZObserwacja({[] { return int{ODef("123.@#$", "a.txt")}; },
                                          [] { return int{Plat("123.@#$", "b.txt")}; },
                                          [] { return int{ODef("123.@#$", "c.txt")}; }},
                                         o);
    EXPECT_EQ(wyniki, (std::vector<int>{0, 0, 0}));
    EXPECT_GT(o.wTrakcie, 0);
    EXPECT_EQ(o.nieuporzadkowane, 0);
    for (const char* plik : {"a.txt", "b.txt", "c.txt"})
        EXPECT_TRUE(std::filesystem::exists(plik)) << plik;
}

TEST_F(Watki, LinkTestCallsFromSeveralThreadsAreSerialised) {
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    auto identyfikacja = [] {
        uint8_t odpowiedz[256] = {};
        uint8_t bufor[256] = {};
        for (int i = 0; i < 3; ++i)
            if (const uint8_t kod = RSSequence(0xFE, 4, 0, odpowiedz, bufor); kod != 0)
                return int{kod};
        return odpowiedz[0] == 0x6B ? 0 : -2;
    };
    auto numer = [] {
        uint8_t odpowiedz[256] = {};
        uint8_t bufor[256] = {};
        for (int i = 0; i < 3; ++i)
            if (const uint8_t kod = RSSequence(0xC0, 3, 0, odpowiedz, bufor); kod != 0)
                return int{kod};
        return odpowiedz[0] == '0' && odpowiedz[1] == '1' ? 0 : -2;
    };
    Obserwacje o;
    const auto wyniki = RazemZObserwacja({identyfikacja, numer, identyfikacja}, o);
    UnInitializePort();
    EXPECT_EQ(wyniki, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(o.wTrakcie, 0) << "the link test is no call of the register-protocol library";
}

} // namespace
} // namespace orbaklaw::testy

#include "format/UrzadzeniePortu.h"
#include "platform/PortSzeregowy.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace orbaklaw::platform {
namespace {

TEST(PortSzeregowyWin32, ComPortsAreTheDeviceNamespacesUnlessTheEnvironmentNamesAnother) {
    _putenv_s("ORBAKLAW_COM7", "");
    EXPECT_EQ(orbaklaw::UrzadzeniePortu(1), "\\\\.\\COM1");
    EXPECT_EQ(orbaklaw::UrzadzeniePortu(7), "\\\\.\\COM7");
    _putenv_s("ORBAKLAW_COM7", "\\\\.\\COM12");
    EXPECT_EQ(orbaklaw::UrzadzeniePortu(7), "\\\\.\\COM12");
    _putenv_s("ORBAKLAW_COM7", "");
}

TEST(PortSzeregowyWin32, APortThatIsNotThereIsNotOpened) {
    auto wynik = WynikOtwarciaPortu::Otwarty;
    EXPECT_EQ(PortSzeregowy::Otworz("\\\\.\\COM97", 9600, wynik), nullptr);
    EXPECT_EQ(wynik, WynikOtwarciaPortu::NieOtwarty);
}

// Against a peer that sends back what it gets: scripts/windows maps COM n
// in Wine's registry to a pseudo-terminal with such a peer
// (tests/platform/echo_pty.py) and names n in ORBAKLAW_TEST_COM_ECHO.
TEST(PortSzeregowyWin32, BytesGoBothWaysAndAReadEndsWhenTheyComeOrWhenTheTimeIsUp) {
    const char* com = std::getenv("ORBAKLAW_TEST_COM_ECHO");
    if (!com || !*com)
        GTEST_SKIP() << "no COM port with an echoing peer (ORBAKLAW_TEST_COM_ECHO; scripts/windows "
                        "sets one up)";
    using Zegar = std::chrono::steady_clock;
    auto wynik = WynikOtwarciaPortu::NieOtwarty;
    auto port = PortSzeregowy::Otworz(DomyslneUrzadzeniePortu(std::atoi(com)), 9600, wynik);
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(wynik, WynikOtwarciaPortu::Otwarty);

    const std::vector<uint8_t> wyslane{0x02, 0xFE, 0x00, 0x7F, 0x80, 0xFF, 0x03};
    ASSERT_TRUE(port->Zapisz(wyslane, 1000));
    std::vector<uint8_t> odebrane;
    const auto poczatek = Zegar::now();
    while (odebrane.size() < wyslane.size() && Zegar::now() - poczatek < std::chrono::seconds(5)) {
        const auto czesc = port->Czytaj(64, 5000);
        odebrane.insert(odebrane.end(), czesc.begin(), czesc.end());
    }
    EXPECT_EQ(odebrane, wyslane);
    // The read waited for the bytes, not for its whole time.
    EXPECT_LT(Zegar::now() - poczatek, std::chrono::milliseconds(2500));

    const auto cisza = Zegar::now();
    EXPECT_TRUE(port->Czytaj(64, 300).empty());
    EXPECT_GE(Zegar::now() - cisza, std::chrono::milliseconds(250));
}

} // namespace
} // namespace orbaklaw::platform

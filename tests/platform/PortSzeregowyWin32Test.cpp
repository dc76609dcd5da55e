#include "platform/PortSzeregowy.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orbaklaw::platform {
namespace {

TEST(PortSzeregowyWin32, ComPortsAreTheDeviceNamespacesUnlessTheEnvironmentNamesAnother) {
    _putenv_s("ORBAKLAW_COM7", "");
    EXPECT_EQ(UrzadzeniePortu(1), "\\\\.\\COM1");
    EXPECT_EQ(UrzadzeniePortu(7), "\\\\.\\COM7");
    _putenv_s("ORBAKLAW_COM7", "\\\\.\\COM12");
    EXPECT_EQ(UrzadzeniePortu(7), "\\\\.\\COM12");
    _putenv_s("ORBAKLAW_COM7", "");
}

TEST(PortSzeregowyWin32, APortThatIsNotThereIsNotOpened) {
    auto wynik = WynikOtwarciaPortu::Otwarty;
    EXPECT_EQ(PortSzeregowy::Otworz("\\\\.\\COM97", 9600, wynik), nullptr);
    EXPECT_EQ(wynik, WynikOtwarciaPortu::NieOtwarty);
}

} // namespace
} // namespace orbaklaw::platform

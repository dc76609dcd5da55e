// The serial devices offered for a COM port, from folders the test makes:
// by-id names first with the adapter's description, then ttyUSB, ttyACM and
// ttyS devices in number order; nothing else.

#include "platform/UrzadzeniaSzeregowe.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orbaklaw;
using platform::UrzadzenieSzeregowe;

namespace fs = std::filesystem;

TEST(UrzadzeniaSzeregowe, ByIdNamesFirstThenKernelNamesInNumberOrder) {
    test::KatalogTymczasowy k;
    fs::create_directories(k / "dev/serial/by-id");
    for (const char* n :
         {"ttyS10", "ttyS2", "ttyACM0", "ttyUSB1", "ttyUSB0", "tty0", "null", "ttyUSBx", "ttyS"})
        k.Zapisz(std::string("dev/") + n, "");
    const std::string dev = fs::canonical(k / "dev").string();
    fs::create_symlink("../../ttyUSB1", k / "dev/serial/by-id/usb-Prolific_PL2303-if00-port0");
    fs::create_symlink("../../ttyUSB0",
                       k / "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1234567-if00-port0");
    const std::string poId = dev + "/serial/by-id/";
    const std::vector<UrzadzenieSzeregowe> oczekiwane{
        {poId + "usb-FTDI_FT232R_USB_UART_A1234567-if00-port0", "FTDI FT232R USB UART A1234567",
         dev + "/ttyUSB0"},
        {poId + "usb-Prolific_PL2303-if00-port0", "Prolific PL2303", dev + "/ttyUSB1"},
        {dev + "/ttyUSB0", "", ""},
        {dev + "/ttyUSB1", "", ""},
        {dev + "/ttyACM0", "", ""},
        {dev + "/ttyS2", "", ""},
        {dev + "/ttyS10", "", ""},
    };
    const auto lista = platform::UrzadzeniaSzeregowe({dev + "/serial/by-id", dev});
    ASSERT_EQ(lista.size(), oczekiwane.size());
    for (size_t i = 0; i < lista.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lista[i].sciezka, oczekiwane[i].sciezka);
        EXPECT_EQ(lista[i].opis, oczekiwane[i].opis);
        EXPECT_EQ(lista[i].cel, oczekiwane[i].cel);
    }
    // Without a by-id folder (no USB adapter plugged in) the rest is still offered.
    EXPECT_EQ(platform::UrzadzeniaSzeregowe({dev + "/brak", dev}).size(), 5u);
    EXPECT_TRUE(platform::UrzadzeniaSzeregowe({dev + "/brak", dev + "/brak"}).empty());
}

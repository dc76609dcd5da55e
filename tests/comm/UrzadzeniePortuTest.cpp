// Which device COM n is, for the program, the libraries and the CLI alike:
// $ORBAKLAW_COM<n>, else the user's assignment file, else /dev/ttyS<n-1>.

#include "format/UrzadzeniePortu.h"
#include "format/PrzypisaniePortow.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace orbaklaw;

namespace fs = std::filesystem;

TEST(UrzadzeniePortu, VariableThenAssignmentThenDefault) {
    struct Przypadek {
        int com;
        std::optional<std::string> plik; // the assignment file's bytes; none: no file
        std::optional<std::string> zmienna;
        std::string urzadzenie;
        ZrodloUrzadzenia zrodlo;
    };
    const std::string plik = "COM1=/dev/serial/by-id/usb-X-if00-port0\r\nCOM3=/dev/ttyUSB0\r\n";
    const Przypadek przypadki[] = {
        {1, std::nullopt, std::nullopt, "/dev/ttyS0", ZrodloUrzadzenia::Domyslne},
        {9, std::nullopt, std::nullopt, "/dev/ttyS8", ZrodloUrzadzenia::Domyslne},
        {1, plik, std::nullopt, "/dev/serial/by-id/usb-X-if00-port0",
         ZrodloUrzadzenia::Przypisanie},
        {3, plik, std::nullopt, "/dev/ttyUSB0", ZrodloUrzadzenia::Przypisanie},
        {2, plik, std::nullopt, "/dev/ttyS1", ZrodloUrzadzenia::Domyslne},
        {3, plik, "/tmp/ttyORBA", "/tmp/ttyORBA", ZrodloUrzadzenia::Zmienna},
        {4, std::nullopt, "/dev/ttyACM0", "/dev/ttyACM0", ZrodloUrzadzenia::Zmienna},
        // LF alone, comments, other lines and a second line for a port.
        {2, "# porty\nCOM2=/dev/ttyACM1\nCOM2=/dev/ttyACM2\nCOMX=/a\nCOM5\n", std::nullopt,
         "/dev/ttyACM1", ZrodloUrzadzenia::Przypisanie},
        {5, "COM5=\r\nCOM05x=/a\r\n", std::nullopt, "/dev/ttyS4", ZrodloUrzadzenia::Domyslne},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.com) + " " + p.plik.value_or("-") + " " +
                     p.zmienna.value_or("-"));
        test::KatalogTymczasowy k;
        if (p.plik)
            k.Zapisz("porty.txt", *p.plik);
        const std::string zmienna = "ORBAKLAW_COM" + std::to_string(p.com);
        if (p.zmienna)
            setenv(zmienna.c_str(), p.zmienna->c_str(), 1);
        else
            unsetenv(zmienna.c_str());
        const auto wynik = UrzadzenieCom(p.com, k / "porty.txt");
        unsetenv(zmienna.c_str());
        EXPECT_EQ(wynik.urzadzenie, p.urzadzenie);
        EXPECT_EQ(wynik.zrodlo, p.zrodlo);
    }
}

// The file sits under $XDG_CONFIG_HOME/orbaklaw, else ~/.config/orbaklaw,
// and is what the lookup of every library call reads.
TEST(UrzadzeniePortu, TheUsersFileIsWrittenWholeAndReadByEveryLookup) {
    test::KatalogTymczasowy k;
    const std::optional<std::string> xdg =
        std::getenv("XDG_CONFIG_HOME") ? std::optional<std::string>(std::getenv("XDG_CONFIG_HOME"))
                                       : std::nullopt;
    const std::optional<std::string> home =
        std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
    setenv("HOME", (k / "dom").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(PrzypisaniePortow::Plik(), k / "dom/.config/orbaklaw/porty.txt");
    setenv("XDG_CONFIG_HOME", (k / "xdg").c_str(), 1);
    EXPECT_EQ(PrzypisaniePortow::Plik(), k / "xdg/orbaklaw/porty.txt");

    PrzypisaniePortow p;
    p.Ustaw(2, "/dev/serial/by-id/usb-FTDI_A-if00-port0");
    p.Ustaw(7, "/dev/ttyUSB3");
    p.Ustaw(7, "");
    p.Ustaw(1, "/dev/ttyACM0");
    p.Zapisz(PrzypisaniePortow::Plik());
    EXPECT_EQ(k.Czytaj("xdg/orbaklaw/porty.txt"),
              "# orbaklaw: urzadzenia portow COM, wiersze COM<n>=<urzadzenie>\r\n"
              "COM1=/dev/ttyACM0\r\nCOM2=/dev/serial/by-id/usb-FTDI_A-if00-port0\r\n");
    unsetenv("ORBAKLAW_COM2");
    EXPECT_EQ(UrzadzeniePortu(2), "/dev/serial/by-id/usb-FTDI_A-if00-port0");
    EXPECT_EQ(UrzadzeniePortu(7), "/dev/ttyS6");
    EXPECT_EQ(PrzypisaniePortow::Czytaj(PrzypisaniePortow::Plik()), p);

    xdg ? (void)setenv("XDG_CONFIG_HOME", xdg->c_str(), 1) : (void)unsetenv("XDG_CONFIG_HOME");
    home ? (void)setenv("HOME", home->c_str(), 1) : (void)unsetenv("HOME");
}

// Which device COM n is, for the program, the libraries and the CLI alike:
// $ORBAKLAW_COM<n>, else the user's assignment file, else /dev/ttyS<n-1>.

#include "format/UrzadzeniePortu.h"
#include "format/PrzypisaniePortow.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <sys/stat.h>

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
        // LF alone, comments, blank lines and a second line for a port.
        {2, "# porty\nCOM2=/dev/ttyACM1\n\n \t\nCOM2=/dev/ttyACM2\n", std::nullopt, "/dev/ttyACM1",
         ZrodloUrzadzenia::Przypisanie},
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
        EXPECT_FALSE(wynik.blad) << wynik.blad->Komunikat();
    }
}

// An assignment file that is there but can't be used gives no device at all
// (never the port's default): the reason names the file, the line and what
// is wrong.
TEST(UrzadzeniePortu, AnAssignmentThatCannotBeUsedGivesItsReason) {
    test::KatalogTymczasowy k;
    const fs::path plik = k / "porty.txt";
    struct Przypadek {
        const char* nazwa;
        std::function<void()> przygotuj;
        std::string powod; // the reason's beginning (Windows-1250)
    };
    std::string losowe;
    for (unsigned i = 0, x = 12345; i < 4096; ++i, x = x * 1103515245u + 12345u)
        losowe += static_cast<char>(x >> 16);
    const auto tekst = [&](const std::string& t) { return [&, t] { k.Zapisz("porty.txt", t); }; };
    const Przypadek przypadki[] = {
        {"COM1= with nothing after it", tekst("# porty\r\nCOM1=\r\n"),
         "linia 2: brak urz\xB9"
         "dzenia po znaku ="},
        {"another form", tekst("COM2=/dev/ttyUSB0\r\nPORT1=/a\r\n"),
         "linia 2: to nie jest wiersz COM<n>=<urz\xB9"
         "dzenie>"},
        {"a port beyond 256", tekst("COM257=/dev/ttyUSB0\r\n"),
         "linia 1: numer portu COM poza zakresem 1..256"},
        {"random bytes", tekst(losowe), ""},
        {"a folder", [&] { fs::create_directory(plik); }, "To jest katalog"},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(plik.c_str(), 0600), 0); }, ""},
        {"a link loop", [&] { fs::create_symlink(plik, plik); }, ""},
        {"a link to /proc/kmsg", [&] { fs::create_symlink("/proc/kmsg", plik); }, ""},
        {"20 MB",
         [&] {
             tekst("COM1=/dev/ttyUSB0\r\n")();
             fs::resize_file(plik, 20u << 20);
         },
         ""},
    };
    unsetenv("ORBAKLAW_COM1");
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        std::error_code ec;
        fs::remove_all(plik, ec);
        p.przygotuj();
        const auto wynik = UrzadzenieCom(1, plik);
        EXPECT_EQ(wynik.urzadzenie, "");
        ASSERT_TRUE(wynik.blad);
        EXPECT_EQ(wynik.blad->Sciezka(), plik.string());
        EXPECT_EQ(wynik.blad->Powod().rfind(p.powod, 0), 0u) << wynik.blad->Powod();
    }
    fs::remove_all(plik);
    EXPECT_EQ(UrzadzenieCom(1, plik).urzadzenie, "/dev/ttyS0") << "no file: the default";
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
    EXPECT_TRUE(p.Zapisz(PrzypisaniePortow::Plik()));
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

// orba-emu as a process: its link comes and goes with it.
#include "emulator/ProcesEmulatora.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orbaklaw::emulator {
namespace {

namespace fs = std::filesystem;

bool ZnikaW(const fs::path& p, std::chrono::milliseconds czas) {
    const auto koniec = std::chrono::steady_clock::now() + czas;
    while (std::chrono::steady_clock::now() < koniec) {
        if (!fs::is_symlink(p))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

fs::path Link(const char* nazwa) {
    return fs::temp_directory_path() / (std::string(nazwa) + std::to_string(getpid()));
}

TEST(OrbaEmu, LinkPointsAtAPtyUntilSigterm) {
    const auto link = Link("orbaklaw-emu-");
    ProcesEmulatora p(ORBA_EMU, link, {"--no-pacing"});
    ASSERT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link).string().rfind("/dev/pts/", 0), 0u);
    EXPECT_TRUE(p.Zatrzymaj());
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(OrbaEmu, EndsWhenItsParentEnds) {
    const auto link = Link("orbaklaw-sierota-");
    const pid_t dziecko = fork();
    if (dziecko == 0) {
        try {
            auto* p = new ProcesEmulatora(ORBA_EMU, link, {"--no-pacing"});
            (void)p;
        } catch (...) {
            _exit(1);
        }
        _exit(0); // without stopping it
    }
    int status = 0;
    ASSERT_EQ(waitpid(dziecko, &status, 0), dziecko);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(ZnikaW(link, std::chrono::milliseconds(3000)));
}

struct Start {
    int kod;
    std::string tekst; // standard output and error together
};

// orba-emu with `argumenty` (a shell's words); one started in the background
// is stopped again at once and its link awaited gone.
Start Uruchom(const std::string& argumenty, const fs::path& link = {}) {
    const std::string polecenie = std::string(ORBA_EMU) + " " + argumenty + " 2>&1";
    FILE* f = popen(polecenie.c_str(), "r");
    if (!f)
        return {-1, "popen"};
    std::string tekst;
    char bufor[256];
    for (size_t n; (n = fread(bufor, 1, sizeof bufor, f)) > 0;)
        tekst.append(bufor, n);
    const int status = pclose(f);
    const auto pid = tekst.find("pid ");
    if (pid != std::string::npos) {
        kill(std::atoi(tekst.c_str() + pid + 4), SIGTERM);
        ZnikaW(link, std::chrono::milliseconds(3000));
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, tekst};
}

Start UruchomWTle(const fs::path& link) {
    return Uruchom("--detach --no-pacing --link '" + link.string() + "'", link);
}

TEST(OrbaEmu, SpeaksPolish) {
    const struct {
        const char* argumenty;
        const char* tekst;
    } przypadki[] = {
        {"--bogus", "orba-emu: nieznana opcja: --bogus\n"},
        {"--no-pacing", "orba-emu: brak wymaganej opcji --link ŚCIEŻKA\n"},
        {"--link x --number 100", "orba-emu: --number: 100 nie jest liczbą od 1 do 99\n"},
        {"--link x --fault fire", "orba-emu: nieznana usterka: fire\n"},
        {"--link x --state", "orba-emu: --state: brak wartości\n"},
        {"--detach --link /nie-ma/tty",
         "orba-emu: /nie-ma/tty: Nie ma takiego pliku ani katalogu\n"},
    };
    for (const auto& p : przypadki) {
        const Start s = Uruchom(p.argumenty);
        EXPECT_EQ(s.kod, 2) << p.argumenty;
        EXPECT_EQ(s.tekst, p.tekst) << p.argumenty;
    }
}

TEST(OrbaEmu, TheLinkReplacesOnlyALinkNoRunningEmulatorServes) {
    const fs::path folder = Link("orbaklaw-lacza-");
    fs::create_directories(folder);
    std::ofstream(folder / "kasa") << "x\n";
    fs::create_directory(folder / "katalog");
    std::ofstream(folder / "plik.txt") << "y\n";
    fs::create_symlink("plik.txt", folder / "do-pliku");
    fs::create_symlink("/dev/pts/nie-ma", folder / "stare");
    // A pseudo-terminal that is alive but served by no emulator.
    const int wolny = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(wolny, 0);
    ASSERT_EQ(grantpt(wolny), 0);
    ASSERT_EQ(unlockpt(wolny), 0);
    fs::create_symlink(ptsname(wolny), folder / "wolny");
    const fs::path obslugiwany = folder / "obslugiwany";
    ProcesEmulatora pierwszy(ORBA_EMU, obslugiwany, {"--no-pacing"});
    const fs::path celPierwszego = fs::read_symlink(obslugiwany);
    // A link left by an emulator killed without tidying up.
    const fs::path zabity = folder / "zabity";
    {
        ProcesEmulatora p(ORBA_EMU, zabity, {"--no-pacing"});
        p.Zabij();
    }
    ASSERT_TRUE(fs::is_symlink(zabity));
    // File times go by the clock's tick: a terminal made within the tick the
    // link was made in can't be told from the link's own (the emulator then
    // keeps off it). The test waits until the file clock has moved on.
    struct stat link {};
    ASSERT_EQ(lstat(zabity.c_str(), &link), 0);
    const fs::path probka = folder / "probka";
    for (struct stat teraz{};; std::this_thread::sleep_for(std::chrono::milliseconds(1))) {
        std::ofstream(probka) << "t";
        ASSERT_EQ(stat(probka.c_str(), &teraz), 0);
        if (teraz.st_mtim.tv_sec != link.st_mtim.tv_sec ||
            teraz.st_mtim.tv_nsec != link.st_mtim.tv_nsec)
            break;
    }
    fs::remove(probka);
    // Another emulator, which as a rule is given the killed one's number.
    ProcesEmulatora drugi(ORBA_EMU, folder / "drugi", {"--no-pacing"});

    const std::string obcy =
        ": to nie jest dowiązanie do pseudoterminala; emulator go nie zastąpi\n";
    const struct {
        fs::path link;
        int kod;
        std::string tekst;
    } przypadki[] = {
        {folder / "kasa", 2, "orba-emu: " + (folder / "kasa").string() + obcy},
        {folder / "katalog", 2, "orba-emu: " + (folder / "katalog").string() + obcy},
        {folder / "do-pliku", 2, "orba-emu: " + (folder / "do-pliku").string() + obcy},
        {obslugiwany, 2,
         "orba-emu: " + obslugiwany.string() + ": to łącze obsługuje już inny emulator\n"},
        {folder / "stare", 0, "ready " + (folder / "stare").string() + "\n"},
        {folder / "wolny", 0, "ready " + (folder / "wolny").string() + "\n"},
        {zabity, 0, "ready " + zabity.string() + "\n"},
        {folder / "nowy", 0, "ready " + (folder / "nowy").string() + "\n"},
    };
    for (const auto& p : przypadki) {
        const Start s = UruchomWTle(p.link);
        EXPECT_EQ(s.kod, p.kod) << p.link << s.tekst;
        EXPECT_EQ(s.tekst.substr(0, s.tekst.find("pid ")), p.tekst) << p.link;
    }
    std::ifstream kasa(folder / "kasa");
    std::string tresc;
    std::getline(kasa, tresc);
    EXPECT_EQ(tresc, "x");
    EXPECT_TRUE(fs::is_directory(folder / "katalog"));
    EXPECT_EQ(fs::read_symlink(folder / "do-pliku"), "plik.txt");
    EXPECT_EQ(fs::read_symlink(obslugiwany), celPierwszego) << "the first keeps its link";
    EXPECT_TRUE(pierwszy.Zatrzymaj());
    EXPECT_FALSE(fs::exists(fs::symlink_status(obslugiwany)));
    close(wolny);
    fs::remove_all(folder);
}

TEST(OrbaEmu, BadCommandLineIsNotReady) {
    EXPECT_THROW(ProcesEmulatora(ORBA_EMU, Link("orbaklaw-zly-"), {"--fault", "fire"}, 2000),
                 std::runtime_error);
}

} // namespace
} // namespace orbaklaw::emulator

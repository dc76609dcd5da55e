// orbaklaw-cli's register commands when the line, the disk or the user
// fails them, against the pacing orba-emu: what a command says is what the
// register holds.

#include "SrodowiskoKasy.h"

#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"
#include "format/KodyKlawiszy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orbaklaw;

namespace {

namespace fs = std::filesystem;

struct Wynik {
    int kod;
    std::string out;
    std::string err;
};

std::string Tresc(const fs::path& plik) {
    std::ifstream we(plik, std::ios::binary);
    std::ostringstream s;
    s << we.rdbuf();
    return s.str();
}

std::string Cytuj(const std::string& s) {
    std::string c = "'";
    for (char z : s)
        c += z == '\'' ? std::string("'\\''") : std::string(1, z);
    return c + "'";
}

// Runs a shell script in which $CLI is orbaklaw-cli.
Wynik Skrypt(const std::string& skrypt) {
    const fs::path out = fs::current_path() / ".out";
    const fs::path err = fs::current_path() / ".err";
    const std::string polecenie = "CLI=" + Cytuj(ORBAKLAW_CLI) + "; export CLI; (" + skrypt +
                                  ") >" + Cytuj(out.string()) + " 2>" + Cytuj(err.string());
    const int status = std::system(polecenie.c_str());
    Wynik w{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Tresc(out), Tresc(err)};
    fs::remove(out);
    fs::remove(err);
    return w;
}

// All 64 keys defined: a write request of about 970 bytes, a second on the
// line at 9600 bit/s. `towar` tells one set from another.
TabliceKlawiszy Pelny(uint16_t towar) {
    TabliceKlawiszy t;
    for (const auto& k : KolejnoscKlawiszy())
        t.Rekord(k.miejsce) = {0, Towar, 0, towar, 1, 0, 0, 0};
    return t;
}

std::string Klucz(const TabliceKlawiszy& t) {
    return TekstPlikuDefinicji(t, "");
}

class UsterkiCli : public ::testing::Test {
protected:
    void SetUp() override { setenv("ORBAKLAW_KOPIE", (kasa.Folder() / "kopie").c_str(), 1); }
    void TearDown() override { unsetenv("ORBAKLAW_KOPIE"); }

    // What the register holds: its memory, read behind the command's back.
    std::string WKasie() const {
        TabliceKlawiszy t;
        const auto odczyt = CzytajPlikDefinicji(t, fs::path(kasa.Stan()) / "klawisze.txt");
        if (!odczyt || !odczyt->poprawny)
            return "?";
        return Klucz(t);
    }
    // Puts `t` in the register through a fault-free emulator, then starts it
    // again with `opcje`.
    void Przygotuj(const TabliceKlawiszy& t, const std::vector<std::string>& opcje) {
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
        kasa.Konfiguracja(1);
        EXPECT_TRUE(ZapiszPlikDefinicji(t, "stare.txt", "01"));
        ASSERT_EQ(Skrypt("$CLI write stare.txt --no-backup").kod, 0);
        std::vector<std::string> wszystkie{"--state", kasa.Stan()};
        wszystkie.insert(wszystkie.end(), opcje.begin(), opcje.end());
        kasa.Uruchom(wszystkie);
    }
    size_t Pozostalosci(const fs::path& tmp) const {
        size_t n = 0;
        std::error_code ec;
        for (fs::directory_iterator it(tmp, ec), end; !ec && it != end; it.increment(ec))
            n += it->path().filename().string().rfind("orbaklaw-cli-", 0) == 0;
        return n;
    }

    testy::SrodowiskoKasy kasa;
};

// The wait for the register's answer starts when the request has crossed
// the line, not when the port took it.
TEST_F(UsterkiCli, AWriteTheRegisterTookIsNeverReportedAsFailed) {
    struct Przypadek {
        const char* nazwa;
        std::vector<std::string> emulator;
        const char* timeout;
    };
    for (const auto& p :
         {Przypadek{"paced, timeout 1", {}, "1"},
          Przypadek{"slow 1200 ms, timeout 2", {"--fault", "slow", "--slow-ms", "1200"}, "2"}}) {
        SCOPED_TRACE(p.nazwa);
        Przygotuj(Pelny(1), p.emulator);
        EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
        const Wynik w = Skrypt(std::string("$CLI write nowe.txt --timeout ") + p.timeout);
        EXPECT_EQ(w.kod, 0) << w.err;
        EXPECT_TRUE(WKasie() == Klucz(Pelny(2))) << "what the register holds";
    }
}

// A write or a deletion whose reply was lost or broken: the register's
// definitions are read back, and what they are decides.
TEST_F(UsterkiCli, AChangeWithoutAnAnswerIsJudgedByWhatTheRegisterHolds) {
    TabliceKlawiszy stare = Pelny(1);
    TabliceKlawiszy skasowane = stare;
    skasowane.WyczyscLiczone();
    struct Przypadek {
        const char* nazwa;
        const char* usterka;
        const char* rozkaz; // of the faulty answers
        const char* polecenie;
        int kod;
        const char* mowi;
        std::string wKasie;
    };
    for (const auto& p : {
             Przypadek{"write, reply cut", "hangup", "0x11", "$CLI write nowe.txt", 0,
                       "Kasa nie potwierdziła zapisu, lecz odczytane z niej definicje są nowe",
                       Klucz(Pelny(2))},
             Przypadek{"write, reply corrupt", "corrupt", "0x11", "$CLI write nowe.txt --verify", 0,
                       "są nowe", Klucz(Pelny(2))},
             Przypadek{"deletion, reply cut", "hangup", "0x12", "$CLI delete", 0,
                       "Kasa nie potwierdziła kasowania, lecz odczytane z niej definicje są "
                       "skasowane",
                       Klucz(skasowane)},
             Przypadek{"write, not taken", "silent", "0x11", "$CLI write nowe.txt", 5,
                       "Odczytane z kasy definicje są poprzednie: kasa nie przyjęła zapisu.",
                       Klucz(stare)},
             Przypadek{"write without a backup, not taken", "silent", "0x11",
                       "$CLI write nowe.txt --no-backup", 5,
                       "Odczytane z kasy definicje nie są nowe: kasa nie przyjęła zapisu.",
                       Klucz(stare)},
         }) {
        SCOPED_TRACE(p.nazwa);
        Przygotuj(stare, {"--no-pacing", "--fault", p.usterka, "--fault-command", p.rozkaz});
        EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
        const Wynik w = Skrypt(p.polecenie);
        EXPECT_EQ(w.kod, p.kod) << w.err;
        EXPECT_NE(w.err.find(p.mowi), std::string::npos) << w.err;
        EXPECT_TRUE(WKasie() == p.wKasie) << "what the register holds";
    }
}

// A write is read back unless --no-verify says not to: a write the register
// did not keep is never a success, and when the read back fails after the
// register took the write, the message says exactly that.
TEST_F(UsterkiCli, AWriteIsReadBackUnlessToldNotTo) {
    const TabliceKlawiszy stare = Pelny(1);
    TabliceKlawiszy jedenStary = Pelny(2);
    jedenStary.Rekord(KolejnoscKlawiszy()[0].miejsce) =
        stare.Rekord(KolejnoscKlawiszy()[0].miejsce);
    const std::vector<std::string> staryKlawisz{"--no-pacing", "--fault", "stale-key"};
    const std::vector<std::string> bezOdczytu{"--no-pacing", "--fault", "silent", "--fault-command",
                                              "0x10"};
    struct Przypadek {
        const char* nazwa;
        std::vector<std::string> emulator;
        const char* polecenie;
        int kod;
        const char* mowi;
        std::string wKasie;
    };
    for (const auto& p : {
             Przypadek{"a key kept old", staryKlawisz, "$CLI write nowe.txt", 4,
                       "orbaklaw-cli: Definicje w kasie różnią się od tych, jakie miały być "
                       "(klawiszy: 1)\n",
                       Klucz(jedenStary)},
             Przypadek{"a key kept old, --verify", staryKlawisz, "$CLI write nowe.txt --verify", 4,
                       "(klawiszy: 1)", Klucz(jedenStary)},
             Przypadek{"a key kept old, --no-verify", staryKlawisz,
                       "$CLI write nowe.txt --no-verify", 0, "", Klucz(jedenStary)},
             Przypadek{"the read back fails", bezOdczytu,
                       "$CLI write nowe.txt --no-backup --timeout 1", 5,
                       "orbaklaw-cli: Kasa przyjęła zapis, lecz nie udało się go sprawdzić: "
                       "odczyt definicji z kasy się nie powiódł.\norbaklaw-cli: Kod 2",
                       Klucz(Pelny(2))},
         }) {
        SCOPED_TRACE(p.nazwa);
        Przygotuj(stare, p.emulator);
        EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
        const Wynik w = Skrypt(p.polecenie);
        EXPECT_EQ(w.kod, p.kod) << w.err;
        EXPECT_NE(w.err.find(p.mowi), std::string::npos) << w.err;
        EXPECT_EQ(w.out.rfind("Definicje klawiszy zapisano do kasy i do pliku klawisz.txt\n", 0),
                  0u)
            << w.out;
        if (p.kod == 4) {
            EXPECT_NE(w.out.find("\t"), std::string::npos) << "the key that differs: " << w.out;
        }
        EXPECT_TRUE(WKasie() == p.wKasie) << "what the register holds";
    }
}

// A client killed while it holds the port leaves no lock behind: the next
// one, of a user who is not root, opens the port.
TEST_F(UsterkiCli, AKilledClientLeavesThePortFreeForTheNext) {
    const bool root = ::geteuid() == 0;
    const std::string jako = root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    if (root && std::system("setpriv --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "setpriv (util-linux) is missing: the test must run as another user";
    Przygotuj(Pelny(1), {});
    // The other user reaches the port and a folder of its own.
    ASSERT_EQ(::chmod(fs::canonical(kasa.Link()).c_str(), 0666), 0);
    const fs::path folder = kasa.Folder() / "uzytkownik";
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::all);
    fs::permissions(kasa.Folder(), fs::perms::others_exec, fs::perm_options::add);
    EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), folder / "nowe.txt", "01"));
    fs::copy_file("KONFIG.TXT", folder / "KONFIG.TXT");
    for (const char* plik : {"nowe.txt", "KONFIG.TXT"})
        fs::permissions(folder / plik, fs::perms::all);
    const std::string f = Cytuj(folder.string());
    const std::string srodowisko =
        "cd " + f + " && export HOME=" + f + " TMPDIR=" + f + " ORBAKLAW_KOPIE=" + f + "/kopie; ";
    // Killed while the register sends the definitions for the backup.
    const Wynik w = Skrypt(srodowisko + jako +
                           "sh -c '$CLI write nowe.txt & p=$!; sleep 0.7; kill -9 $p; wait $p; "
                           "$CLI test'");
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_NE(w.out.find("Numer kasy: 01"), std::string::npos) << w.out;
}

// A killed run leaves its private folder; the next run removes it.
TEST_F(UsterkiCli, TheFoldersOfKilledRunsAreRemoved) {
    Przygotuj(Pelny(1), {});
    const fs::path tmp = kasa.Folder() / "tmp";
    fs::create_directory(tmp);
    EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
    const std::string t = "TMPDIR=" + Cytuj(tmp.string()) + "; export TMPDIR; ";
    const Wynik zabity =
        Skrypt(t + "$CLI write nowe.txt & p=$!; sleep 0.7; kill -9 $p; wait $p; exit 0");
    EXPECT_EQ(Pozostalosci(tmp), 1u) << "the killed run's folder";
    const Wynik w = Skrypt(t + "$CLI test");
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(Pozostalosci(tmp), 0u);
}

// A run killed while the register is still to answer leaves the line of the
// exchange it began in RAPORT.TXT; a finished exchange has its end line too.
TEST_F(UsterkiCli, AnExchangeCutOffStillLeavesItsReportLine) {
    Przygotuj(Pelny(1), {"--no-pacing"});
    fs::remove("RAPORT.TXT");
    ASSERT_EQ(Skrypt("$CLI read odczyt.txt").kod, 0);
    kasa.Uruchom({"--no-pacing", "--state", kasa.Stan(), "--fault", "slow", "--slow-ms", "5000"});
    EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
    Skrypt("$CLI write nowe.txt --timeout 9 & p=$!; sleep 1; kill -9 $p; wait $p; exit 0");
    const auto linie = PodzielNaLinie(Tresc("RAPORT.TXT"));
    ASSERT_EQ(linie.size(), 3u) << Tresc("RAPORT.TXT");
    const std::string poczatek = "\tkasa 1\tcom1:9600:mux0:1\tpoczątek"_w1250;
    const auto konczy = [](const std::string& linia, const std::string& koniec) {
        return linia.size() >= koniec.size() &&
               linia.compare(linia.size() - koniec.size(), koniec.size(), koniec) == 0;
    };
    EXPECT_TRUE(konczy(linie[0], poczatek)) << linie[0];
    EXPECT_NE(linie[0].find("\t__ODefKlaw\t"), std::string::npos) << linie[0];
    EXPECT_TRUE(konczy(linie[1], "\tkasa 1\tcom1:9600:mux0:1\tkod 0")) << linie[1];
    EXPECT_TRUE(konczy(linie[2], poczatek)) << "the killed run's exchange: " << linie[2];
}

// A report line that can't be written never decides the result of a write
// the register took: it is a warning.
TEST_F(UsterkiCli, AReportLineThatCannotBeWrittenIsOnlyAWarning) {
    struct Przypadek {
        const char* nazwa;
        std::string polecenie;
        const char* ostrzega; // the warning, or none when the report must hold the line
    };
    const fs::path maly = kasa.Folder() / "maly";
    fs::create_directory(maly);
    const bool zamontowany = ::mount("tmpfs", maly.c_str(), "tmpfs", 0, "size=8k") == 0;
    const std::string doPelna = "TMPDIR=" + Cytuj(maly.string()) + "; export TMPDIR; ";
    for (const auto& p : {
             Przypadek{"the temporary folder on a full disk",
                       doPelna + "$CLI write nowe.txt --no-backup --no-verify", nullptr},
             Przypadek{"RAPORT.TXT can't grow",
                       "head -c 65536 /dev/zero >RAPORT.TXT; trap '' XFSZ; "
                       "CLI=\"prlimit --fsize=65536 -- $CLI\"; "
                       "$CLI write nowe.txt --no-backup --verify",
                       "Uwaga: Nie można dopisać"},
         }) {
        SCOPED_TRACE(p.nazwa);
        if (!zamontowany && p.ostrzega == nullptr) {
            std::cerr << "skipped: a small file system can't be mounted here (needs root)\n";
            continue;
        }
        Przygotuj(Pelny(1), {"--no-pacing"});
        EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(2), "nowe.txt", "01"));
        const Wynik w = Skrypt(p.polecenie);
        EXPECT_EQ(w.kod, 0) << w.err;
        EXPECT_TRUE(WKasie() == Klucz(Pelny(2))) << "what the register holds";
        if (p.ostrzega)
            EXPECT_NE(w.err.find(p.ostrzega), std::string::npos) << w.err;
        else
            EXPECT_NE(Tresc("RAPORT.TXT").find("__ZDefKlaw"), std::string::npos);
        fs::remove("RAPORT.TXT");
    }
    if (zamontowany)
        ::umount(maly.c_str());
}

// A working folder the user can't write in holds no report line: that is a
// warning, and the read is done.
TEST_F(UsterkiCli, AReadOnlyWorkingFolderOnlyWarnsOfTheReport) {
    const bool root = ::geteuid() == 0;
    const std::string jako = root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    if (root && std::system("setpriv --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "setpriv (util-linux) is missing: the test must run as another user";
    Przygotuj(Pelny(1), {"--no-pacing"});
    ASSERT_EQ(::chmod(fs::canonical(kasa.Link()).c_str(), 0666), 0);
    const fs::path tylko = kasa.Folder() / "tylko";
    const fs::path wy = kasa.Folder() / "wy";
    fs::create_directory(tylko);
    fs::create_directory(wy);
    fs::copy_file("KONFIG.TXT", tylko / "KONFIG.TXT");
    fs::permissions(tylko / "KONFIG.TXT", fs::perms::all);
    fs::permissions(wy, fs::perms::all);
    fs::permissions(tylko, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read |
                               fs::perms::others_exec);
    fs::permissions(kasa.Folder(), fs::perms::others_exec, fs::perm_options::add);
    const std::string w_ = Cytuj(wy.string());
    const Wynik w =
        Skrypt("cd " + Cytuj(tylko.string()) + " && export HOME=" + w_ + " TMPDIR=" + w_ +
               " ORBAKLAW_KOPIE=" + w_ + "/kopie; " + jako + "$CLI read " + w_ + "/x.txt");
    fs::permissions(tylko, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_NE(w.err.find("Uwaga: "), std::string::npos) << w.err;
    EXPECT_NE(w.err.find("RAPORT.TXT"), std::string::npos) << w.err;
    TabliceKlawiszy t;
    EXPECT_TRUE(CzytajPlikDefinicji(t, wy / "x.txt")->poprawny);
    EXPECT_TRUE(Klucz(t) == Klucz(Pelny(1)));
}

// KONFIG.TXT is judged alike by every command (and by the libraries).
TEST_F(UsterkiCli, EveryCommandJudgesTheConfigurationAlike) {
    kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
    struct Przypadek {
        const char* nazwa;
        std::vector<std::string> linie;
        int kod;
    };
    std::vector<std::string> wiele(256, "$01\tcom1:9600:mux0:1\t1");
    std::vector<std::string> zaWiele = wiele;
    zaWiele.push_back("$02\tcom1:9600:mux0:1\t1");
    EXPECT_TRUE(ZapiszPlikDefinicji(Pelny(1), "nowe.txt", "01"));
    for (const auto& p : {
             Przypadek{"a malformed second line", {"$01\tcom1:9600:mux0:1\t1", "$02\tcom1"}, 2},
             Przypadek{"a blank first line", {"", " ", "$01\tcom1:9600:mux0:1\t1"}, 0},
             Przypadek{"two fields for 01", {"$01\tcom1:9600:mux0:1"}, 2},
             Przypadek{"256 lines", wiele, 0},
             Przypadek{"257 lines", zaWiele, 2},
             Przypadek{"a multiplexer that isn't there", {"$01\tcom1:9600:mux1:2\t1"}, 6},
         }) {
        SCOPED_TRACE(p.nazwa);
        kasa.Konfiguracja(p.linie);
        const Wynik test = Skrypt("$CLI test");
        EXPECT_EQ(test.kod, p.kod) << test.err;
        for (const char* polecenie :
             {"$CLI write nowe.txt --no-backup", "$CLI verify nowe.txt", "$CLI read x.txt"}) {
            SCOPED_TRACE(polecenie);
            const Wynik w = Skrypt(polecenie);
            EXPECT_EQ(w.kod, p.kod) << w.err;
            if (p.kod != 0) {
                EXPECT_EQ(test.err, w.err);
            }
        }
    }
}

} // namespace

// Replacing the user's files: the new content takes the old file's place
// whole, and the old file's kind, rights and links are respected.
#include "files/ZapisAtomowy.h"
#include "files/PlikTekstowy.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"
#ifndef _WIN32
#include "tests/support/MalySystemPlikow.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#ifndef _WIN32
#include <csignal>
#endif
#include <fstream>
#include <iterator>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

unsigned Prawa(const fs::path& p) {
    std::error_code ec;
    const fs::perms prawa = fs::status(p, ec).permissions();
    EXPECT_FALSE(ec) << p;
    return static_cast<unsigned>(prawa & fs::perms::mask);
}

size_t LiczbaPlikow(const fs::path& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& p : fs::directory_iterator(folder))
        ++n;
    return n;
}

std::string Komunikat(const fs::path& plik, const std::string& tresc) {
    if (auto zapis = ZapiszAtomowo(plik, tresc); !zapis)
        return zapis.Blad().Komunikat();
    return {};
}

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
TEST(ZapisAtomowy, KeepsTheRightsOfTheFileItReplaces) {
    test::KatalogTymczasowy katalog;
    for (mode_t prawa : std::initializer_list<mode_t>{0600, 0640, 0664, 0755}) {
        SCOPED_TRACE(prawa);
        katalog.Zapisz("x.txt", "stary");
        ASSERT_EQ(::chmod((katalog / "x.txt").c_str(), prawa), 0);
        ASSERT_TRUE(ZapiszAtomowo(katalog / "x.txt", "nowy"));
        EXPECT_EQ(katalog.Czytaj("x.txt"), "nowy");
        EXPECT_EQ(Prawa(katalog / "x.txt"), prawa);
    }
    const mode_t maska = ::umask(022);
    ASSERT_TRUE(ZapiszAtomowo(katalog / "nowy.txt", "a"));
    ::umask(maska);
    EXPECT_EQ(Prawa(katalog / "nowy.txt"), 0644u) << "a new file gets the usual rights";
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
TEST(ZapisAtomowy, KeepsTheOwnerWhereTheSystemAllows) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the system's administrator may give a file to another user";
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("cudzy.txt", "stary");
    ASSERT_EQ(::chown((katalog / "cudzy.txt").c_str(), 4321, 4322), 0);
    ASSERT_TRUE(ZapiszAtomowo(katalog / "cudzy.txt", "nowy"));
    struct stat st {};
    ASSERT_EQ(::stat((katalog / "cudzy.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
    EXPECT_EQ(katalog.Czytaj("cudzy.txt"), "nowy");
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
TEST(ZapisAtomowy, WritesThroughASymbolicLinkToItsTarget) {
    test::KatalogTymczasowy katalog;
    fs::create_directory(katalog / "dane");
    katalog.Zapisz("dane/prawdziwy.txt", "stary");
    fs::create_symlink("dane/prawdziwy.txt", katalog / "dowiazanie.txt");
    fs::create_symlink("dowiazanie.txt", katalog / "drugie.txt");
    ASSERT_TRUE(ZapiszAtomowo(katalog / "drugie.txt", "nowy"));
    EXPECT_TRUE(fs::is_symlink(katalog / "dowiazanie.txt"));
    EXPECT_TRUE(fs::is_symlink(katalog / "drugie.txt"));
    EXPECT_EQ(katalog.Czytaj("dane/prawdziwy.txt"), "nowy");
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 3u) << "nothing left beside the links";
    EXPECT_EQ(LiczbaPlikow(katalog / "dane"), 1u) << "nothing left beside the target";
    // A link to a file that does not exist yet makes the file.
    fs::create_symlink("dane/pozniej.txt", katalog / "wiszace.txt");
    ASSERT_TRUE(ZapiszAtomowo(katalog / "wiszace.txt", "jest"));
    EXPECT_TRUE(fs::is_symlink(katalog / "wiszace.txt"));
    EXPECT_EQ(katalog.Czytaj("dane/pozniej.txt"), "jest");
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
// A save under another name never lands on the register library's own files;
// naming one of them is a deliberate save of it.
TEST(ZapisAtomowy, ALinkToAReservedFileIsRefused) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("KONFIG.TXT", "konfiguracja");
    katalog.Zapisz("raport.txt", "raport");
    fs::create_symlink("KONFIG.TXT", katalog / "s.txt");
    fs::create_hard_link(katalog / "KONFIG.TXT", katalog / "t.txt");
    fs::create_hard_link(katalog / "raport.txt", katalog / "r.txt");
    fs::create_symlink("RAPORT.TXT", katalog / "nowy.txt");
    for (const char* nazwa : {"s.txt", "t.txt", "r.txt", "nowy.txt"}) {
        SCOPED_TRACE(nazwa);
        EXPECT_FALSE(ZapiszAtomowo(katalog / nazwa, "klawisze"));
    }
    EXPECT_EQ(katalog.Czytaj("KONFIG.TXT"), "konfiguracja");
    EXPECT_EQ(katalog.Czytaj("raport.txt"), "raport");
    EXPECT_FALSE(fs::exists(katalog / "RAPORT.TXT"));
    ASSERT_TRUE(ZapiszAtomowo(katalog / "KONFIG.TXT", "nowa"));
    EXPECT_EQ(katalog.Czytaj("t.txt"), "nowa");
}
#endif

TEST(ZapisAtomowy, ReadOnlyFileIsRefusedAndKept) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("chroniony.txt", "stary");
    fs::permissions(katalog / "chroniony.txt", fs::perms(0444));
    const std::string komunikat = Komunikat(katalog / "chroniony.txt", "nowy");
    EXPECT_NE(komunikat.find(test::Cp1250("tylko do odczytu")), std::string::npos) << komunikat;
    EXPECT_EQ(katalog.Czytaj("chroniony.txt"), "stary");
    EXPECT_EQ(Prawa(katalog / "chroniony.txt"), 0444u);
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 1u);
    // Windows removes no read-only file, the test folder's own included.
    fs::permissions(katalog / "chroniony.txt", fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
// A file with several names is rewritten in place so that every name sees the
// new content; the new content is complete on disk before the file is touched.
TEST(ZapisAtomowy, HardLinkedFileKeepsItsLinks) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("a.txt", "stary, dluzszy tekst");
    fs::create_hard_link(katalog / "a.txt", katalog / "b.txt");
    ASSERT_TRUE(ZapiszAtomowo(katalog / "a.txt", "nowy"));
    EXPECT_EQ(katalog.Czytaj("a.txt"), "nowy");
    EXPECT_EQ(katalog.Czytaj("b.txt"), "nowy");
    EXPECT_EQ(fs::hard_link_count(katalog / "a.txt"), 2u);
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 2u);
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
TEST(ZapisAtomowy, FifoAndDeviceAreNotReplacedByAFile) {
    test::KatalogTymczasowy katalog;
    ASSERT_EQ(::mkfifo((katalog / "kolejka").c_str(), 0644), 0);
    std::vector<fs::path> cele{katalog / "kolejka"};
    if (::mknod((katalog / "urzadzenie").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        cele.push_back(katalog / "urzadzenie");
    for (const fs::path& cel : cele) {
        SCOPED_TRACE(cel);
        const std::string komunikat = Komunikat(cel, "tresc");
        EXPECT_NE(komunikat.find(test::Cp1250("To nie jest zwykły plik")), std::string::npos)
            << komunikat;
        EXPECT_FALSE(fs::is_regular_file(cel));
    }
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), cele.size());
    if (cele.size() == 1)
        GTEST_SKIP() << "no right to make a device node here; only the FIFO was tried";
}
#endif

TEST(ZapisAtomowy, LongNamesUpToTheSystemsLimit) {
    test::KatalogTymczasowy katalog;
    for (size_t dlugosc : {240u, 250u, 251u, 254u, 255u}) {
        SCOPED_TRACE(dlugosc);
        const std::string nazwa = std::string(dlugosc - 4, 'd') + ".txt";
        ASSERT_TRUE(ZapiszAtomowo(katalog / nazwa, "pierwszy"));
        ASSERT_TRUE(ZapiszAtomowo(katalog / nazwa, "drugi"));
        EXPECT_EQ(katalog.Czytaj(nazwa), "drugi");
        fs::remove(katalog / nazwa);
        EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 0u);
    }
}

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
// On a full disk nothing of the new content reaches any name of the file:
// a plain file, and one with two names that must be rewritten in place.
TEST(ZapisAtomowy, OnAFullDiskEveryNameKeepsTheOldContent) {
    test::MalySystemPlikow maly;
    if (!maly.Zamontowany())
        GTEST_SKIP() << maly.Powod();
    const std::string stary(20000, 's');
    const std::string nowy(30000, 'n');
    struct Przypadek {
        const char* opis;
        bool dowiazany;
        size_t wolne; // left free after the old file is there
    };
    for (const Przypadek& p : {Przypadek{"the new content doesn't fit beside", false, 16384},
                               Przypadek{"it fits beside, not in place", true, 36864},
                               Przypadek{"it doesn't fit beside", true, 16384}}) {
        SCOPED_TRACE(p.opis);
        std::filesystem::remove(maly / "wypelnienie");
        std::filesystem::remove(maly / "b.txt");
        { std::ofstream(maly / "a.txt", std::ios::binary) << stary; }
        if (p.dowiazany)
            fs::create_hard_link(maly / "a.txt", maly / "b.txt");
        maly.ZostawWolne(p.wolne);
        const std::string komunikat = Komunikat(maly / "a.txt", nowy);
        EXPECT_NE(komunikat.find("Brak miejsca na dysku"), std::string::npos) << komunikat;
        EXPECT_NE(komunikat.find((maly / "a.txt").string()), std::string::npos) << komunikat;
        for (const char* nazwa : {"a.txt", "b.txt"}) {
            if (!p.dowiazany && std::string(nazwa) == "b.txt")
                continue;
            std::ifstream wejscie(maly / nazwa, std::ios::binary);
            const std::string tresc(std::istreambuf_iterator<char>(wejscie), {});
            EXPECT_TRUE(tresc == stary)
                << nazwa << " holds " << tresc.size() << " bytes, " << tresc.substr(0, 8) << "...";
        }
        EXPECT_EQ(LiczbaPlikow(maly.sciezka()), p.dowiazany ? 3u : 2u) << "no leftovers";
    }
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
// Processes saving one file at once each finish their save: none fails,
// none removes another's temporary file, and the file is whole afterwards.
TEST(ZapisAtomowy, SavesOfOneFileAtOnceEachSucceed) {
    test::KatalogTymczasowy katalog;
    const fs::path cel = katalog / "wspolny.txt";
    const std::vector<std::string> tresci{std::string(50000, 'a'), std::string(70000, 'b'),
                                          std::string(60000, 'c'), std::string(40000, 'd')};
    std::vector<pid_t> dzieci;
    for (const std::string& tresc : tresci) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int bledy = 0;
            for (int i = 0; i < 100; ++i)
                bledy += Komunikat(cel, tresc).empty() ? 0 : 1;
            ::_exit(bledy == 0 ? 0 : 1);
        }
        dzieci.push_back(pid);
    }
    for (const pid_t pid : dzieci) {
        int stan = 0;
        ASSERT_EQ(::waitpid(pid, &stan, 0), pid);
        EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0) << "a save failed in " << pid;
    }
    EXPECT_NE(std::find(tresci.begin(), tresci.end(), katalog.Czytaj("wspolny.txt")), tresci.end());
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 1u) << "no leftovers";
}
#endif

#ifndef _WIN32 // POSIX: rights and owners, links, FIFOs, tmpfs, fork and flock
// A save in progress in another process keeps its temporary file while a
// second save of the same file runs; once its writer is killed, the next
// save removes what it left.
TEST(ZapisAtomowy, ALeftoverGoesOnlyWhenItsWriterIsGone) {
    test::KatalogTymczasowy katalog;
    const fs::path cel = katalog / "x.txt";
    int rura[2];
    ASSERT_EQ(::pipe(rura), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(rura[0]);
        ZapisAtomowy zapis(cel);
        if (zapis.Otworz() && zapis.Dopisz("pierwszy")) {
            [[maybe_unused]] const auto n = ::write(rura[1], "g", 1);
            ::pause(); // killed here
        }
        ::_exit(3);
    }
    ::close(rura[1]);
    char gotowy = 0;
    ASSERT_EQ(::read(rura[0], &gotowy, 1), 1);
    ::close(rura[0]);
    EXPECT_EQ(Komunikat(cel, "drugi"), "");
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 2u) << "the other writer's file stays";
    ::kill(pid, SIGKILL);
    int stan = 0;
    ::waitpid(pid, &stan, 0);
    EXPECT_EQ(Komunikat(cel, "trzeci"), "");
    EXPECT_EQ(katalog.Czytaj("x.txt"), "trzeci");
    EXPECT_EQ(LiczbaPlikow(katalog.sciezka()), 1u) << "the dead writer's leftover is gone";
}
#endif

} // namespace
} // namespace orbaklaw

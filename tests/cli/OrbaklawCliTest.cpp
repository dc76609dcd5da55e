// orbaklaw-cli run as a user runs it: exit codes, messages and files.
#include "tests/cli/UruchomCli.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

const fs::path Dane = fs::path(ORBAKLAW_DANE) / "definicje";

std::string CzytajPlik(const fs::path& p) {
    std::ifstream we(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(we)), {});
}

test::WynikCli Uruchom(const std::vector<std::string>& argumenty) {
    return test::UruchomCli(argumenty);
}

const std::string KomunikatFormatu = "Błędny format pliku wejsciowego";

TEST(OrbaklawCli, CheckSummarisesAValidFile) {
    auto w = Uruchom({"check", (Dane / "przyklad.txt").string()});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(w.out, "64 klawisze: niezdefiniowane 61, towary 1, funkcje 1, płatności 1\n");
    EXPECT_EQ(Uruchom({"check", (Dane / "lf.txt").string()}).kod, 0);
}

// A line that reaches no key (a code the register doesn't have) and a key
// given again are named with their numbers, and so is a file that defines
// no key at all; check and write refuse such a file (exit 2), write saying
// that delete clears keys.
TEST(OrbaklawCli, LinesThatReachNoKeyAreNamed) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("cr.txt", "\r\r\r\r");
    tmp.Zapisz("kody.txt", "#01\r\n#\r\n#\r\n$999\t0\r\n$237\t2\t5\t\r\n$1\t2\t7\t\r\n"
                           "$237\t2\t6\t\r\n");
    const struct {
        std::string plik;
        std::vector<std::string> wiersze;
    } przypadki[] = {
        {(Dane / "pusty.txt").string(), {"nie definiuje żadnego klawisza"}},
        {(Dane / "tylko-naglowek.txt").string(), {"nie definiuje żadnego klawisza"}},
        {(tmp / "cr.txt").string(), {"nie definiuje żadnego klawisza"}},
        {(Dane / "nadmiarowy-niezdefiniowany.txt").string(),
         {"linia 4: kod klawisza, którego kasa nie ma, linia pominięta: $100\t0",
          "linia 5: kod klawisza, którego kasa nie ma, linia pominięta: $0\t1\t5\t0\t0\t0"}},
        {(tmp / "kody.txt").string(),
         {"linia 4: kod klawisza, którego kasa nie ma, linia pominięta: $999\t0",
          "linia 5: klawisz podany ponownie w linii 7, linia pominięta: $237\t2\t5\t"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.plik);
        std::string oczekiwane;
        for (const auto& w : p.wiersze)
            oczekiwane += "orbaklaw-cli: " + p.plik + ": " + w + "\n";
        const auto c = Uruchom({"check", p.plik});
        EXPECT_EQ(c.kod, 2);
        EXPECT_EQ(c.err, oczekiwane);
        EXPECT_EQ(c.out, "");
        const auto z = Uruchom({"write", p.plik});
        EXPECT_EQ(z.kod, 2);
        EXPECT_EQ(z.err, oczekiwane + "orbaklaw-cli: " + p.plik +
                             ": nic nie wysłano do kasy (klawisze kasuje polecenie delete)\n");
    }
}

TEST(OrbaklawCli, FormatErrorsNameTheLine) {
    // The file, the program's message, the line's number and its text.
    const std::pair<const char*, const char*> przypadki[] = {
        {"zly-rodzaj.txt", "$237\t4"},           {"za-dluga-linia.txt", nullptr},
        {"flaga-2.txt", "$237\t1\t12\t1\t0\t2"}, {"brak-flagi.txt", "$237\t1\t12\t1\t0"},
        {"funkcja-32.txt", "$238\t2\t32"},       {"platnosc-9.txt", "$1\t3\t9\t1050\t0"},
        {"kwota-ujemna.txt", "$1\t3\t8\t-1\t0"}, {"kwota-za-duza.txt", "$1\t3\t8\t2147483648\t0"},
        {"pusta-linia-na-koncu.txt", ""},
    };
    for (auto [plik, linia] : przypadki) {
        const std::string sciezka = (Dane / plik).string();
        const auto linie = [&sciezka] {
            std::vector<std::string> l;
            std::istringstream we(CzytajPlik(sciezka));
            for (std::string s; std::getline(we, s);)
                l.push_back(!s.empty() && s.back() == '\r' ? s.substr(0, s.size() - 1) : s);
            return l;
        }();
        auto w = Uruchom({"check", sciezka});
        EXPECT_EQ(w.kod, 1) << plik;
        EXPECT_EQ(w.out, "") << plik;
        const std::string poczatek =
            "orbaklaw-cli: " + sciezka + ": " + KomunikatFormatu + ", linia ";
        ASSERT_EQ(w.err.rfind(poczatek, 0), 0u) << w.err;
        const size_t numer = std::stoul(w.err.substr(poczatek.size()));
        ASSERT_GE(numer, 4u) << plik;
        ASSERT_LE(numer, linie.size()) << plik;
        const std::string tekst = linia ? linia : linie[numer - 1];
        EXPECT_EQ(linie[numer - 1], tekst) << plik;
        const std::string pokazany = tekst.size() > 255 ? tekst.substr(0, 255) + "…" : tekst;
        EXPECT_EQ(w.err, poczatek + std::to_string(numer) + ": " + pokazany + "\n") << plik;
    }
}

TEST(OrbaklawCli, UnreadableFilesAndUsageErrorsExitWithTwo) {
    auto w = Uruchom({"check", "/nie/ma/takiego.txt"});
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.err.find("Nie ma takiego pliku ani katalogu"), std::string::npos) << w.err;
    EXPECT_EQ(Uruchom({"check", Dane.string()}).kod, 2);
    for (const auto& argumenty :
         std::vector<std::vector<std::string>>{{},
                                               {"check"},
                                               {"check", "a", "b"},
                                               {"bogus"},
                                               {"normalize", "a"},
                                               {"normalize", "a", "b", "--register"},
                                               {"normalize", "a", "b", "--register", "123"},
                                               {"show"}}) {
        auto u = Uruchom(argumenty);
        EXPECT_EQ(u.kod, 2);
        EXPECT_NE(u.err.find("Użycie:"), std::string::npos);
    }
    auto help = Uruchom({"--help"});
    EXPECT_EQ(help.kod, 0);
    EXPECT_NE(help.out.find("orbaklaw-cli normalize"), std::string::npos);
}

// The insert is drawn with Qt: a build without the GUI neither offers it in
// its help nor takes it.
TEST(OrbaklawCli, TheInsertIsOfferedOnlyWhereItCanBeDrawn) {
#ifdef ORBAKLAW_Z_WKLADKA
    constexpr bool zWkladka = true;
#else
    constexpr bool zWkladka = false;
#endif
    const auto help = Uruchom({"--help"});
    EXPECT_EQ(help.out.find("insert") != std::string::npos, zWkladka) << help.out;
    if (!zWkladka) {
        const auto u = Uruchom({"insert", "a.bm0", "a.bmp"});
        EXPECT_EQ(u.kod, 2);
        EXPECT_NE(u.err.find("nieznane polecenie: insert"), std::string::npos) << u.err;
        EXPECT_EQ(u.err.find("insert ETYKIETY"), std::string::npos) << u.err;
    }
}

// Only the insert draws with Qt: every other command starts without loading
// a Qt library, so that a register command costs little more than the line.
TEST(OrbaklawCli, OnlyTheInsertLoadsQt) {
#ifdef ORBAKLAW_Z_WKLADKA
    constexpr bool zWkladka = true;
#else
    constexpr bool zWkladka = false;
#endif
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("l.bm0", "PIECZYWO\r\n");
    const std::string przyklad = (Dane / "przyklad.txt").string();
    const struct {
        std::vector<std::string> argumenty;
        bool qt;
        const char* takze; // a library the command loads, or ""
    } przypadki[] = {
        {{"--version"}, false, ""},
        {{"--help"}, false, ""},
        {{"check", przyklad}, false, ""},
        {{"show", przyklad}, false, ""},
        {{"normalize", przyklad, (tmp / "n.txt").string()}, false, ""},
        // The register libraries, which refuse a device that is no port.
        {{"test", "--port", "/dev/null", "--register", "1", "--timeout", "1"},
         false,
         "libkomport.so"},
        {{"insert", (tmp / "l.bm0").string(), (tmp / "l.bmp").string()}, zWkladka, ""},
    };
    for (const auto& p : przypadki) {
        const std::string biblioteki = test::BibliotekiCli(p.argumenty);
        EXPECT_NE(biblioteki.find("libc.so"), std::string::npos) << "no loader log";
        EXPECT_NE(biblioteki.find(p.takze), std::string::npos) << p.takze;
        EXPECT_EQ(biblioteki.find("libQt6") != std::string::npos, p.qt) << p.argumenty[0] << ":\n"
                                                                        << biblioteki;
    }
}

TEST(OrbaklawCli, NormalizeReproducesTheExampleFromItsOwnOutput) {
    test::KatalogTymczasowy tmp;
    const std::string przyklad = CzytajPlik(Dane / "przyklad.txt");
    ASSERT_EQ(Uruchom({"normalize", (Dane / "lf.txt").string(), (tmp / "a.txt").string()}).kod, 0);
    EXPECT_EQ(tmp.Czytaj("a.txt"), przyklad);
    ASSERT_EQ(Uruchom({"normalize", (tmp / "a.txt").string(), (tmp / "b.txt").string()}).kod, 0);
    EXPECT_EQ(tmp.Czytaj("b.txt"), przyklad);
    ASSERT_EQ(Uruchom({"normalize", (tmp / "b.txt").string(), (tmp / "c.txt").string(),
                       "--register", "7"})
                  .kod,
              0);
    EXPECT_EQ(tmp.Czytaj("c.txt").substr(0, 4), "#7\r\n");
}

TEST(OrbaklawCli, NormalizeNeverTouchesTheOutputOnFailure) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("out.txt", "moje dane");
    EXPECT_EQ(
        Uruchom({"normalize", (Dane / "flaga-2.txt").string(), (tmp / "out.txt").string()}).kod, 1);
    EXPECT_EQ(Uruchom({"normalize", (tmp / "brak.txt").string(), (tmp / "out.txt").string()}).kod,
              2);
    EXPECT_EQ(tmp.Czytaj("out.txt"), "moje dane");
    EXPECT_EQ(
        Uruchom({"normalize", (Dane / "flaga-2.txt").string(), (tmp / "nowy.txt").string()}).kod,
        1);
    EXPECT_FALSE(fs::exists(tmp / "nowy.txt"));
    EXPECT_EQ(
        Uruchom({"normalize", (Dane / "przyklad.txt").string(), (tmp / "brak" / "x.txt").string()})
            .kod,
        2);
}

// Two commands writing one output at once: each ends well, and the output is
// whole, the one or the other.
TEST(OrbaklawCli, TwoNormalizesOfOneOutputAtOnceBothSucceed) {
    test::KatalogTymczasowy tmp;
    const std::vector<std::string> wejscia{(Dane / "przyklad.txt").string(),
                                           (Dane / "nadmiarowy-niezdefiniowany.txt").string()};
    std::vector<std::string> wzory;
    for (size_t i = 0; i < wejscia.size(); ++i) {
        const fs::path wzor = tmp / ("wzor" + std::to_string(i) + ".txt");
        ASSERT_EQ(Uruchom({"normalize", wejscia[i], wzor.string()}).kod, 0);
        wzory.push_back(CzytajPlik(wzor));
    }
    const fs::path wyjscie = tmp / "out.txt";
    int nieudane = 0;
    for (int para = 0; para < 200; ++para) {
        std::vector<pid_t> dzieci;
        for (const std::string& wejscie : wejscia) {
            const pid_t pid = ::fork();
            if (pid == 0)
                ::_exit(Uruchom({"normalize", wejscie, wyjscie.string()}).kod);
            dzieci.push_back(pid);
        }
        for (const pid_t pid : dzieci) {
            int stan = 0;
            ::waitpid(pid, &stan, 0);
            nieudane += WIFEXITED(stan) && WEXITSTATUS(stan) == 0 ? 0 : 1;
        }
        const std::string tresc = CzytajPlik(wyjscie);
        EXPECT_TRUE(tresc == wzory[0] || tresc == wzory[1]) << "after pair " << para;
    }
    EXPECT_EQ(nieudane, 0);
    size_t pliki = 0;
    for ([[maybe_unused]] const auto& p : fs::directory_iterator(tmp.sciezka()))
        ++pliki;
    EXPECT_EQ(pliki, 3u) << "nothing left beside the output";
}

TEST(OrbaklawCli, ShowListsTheSixtyFourKeys) {
    auto w = Uruchom({"show", (Dane / "przyklad.txt").string()});
    ASSERT_EQ(w.kod, 0);
    std::vector<std::string> linie;
    for (size_t p = 0, n; (n = w.out.find('\n', p)) != std::string::npos; p = n + 1)
        linie.push_back(w.out.substr(p, n - p));
    ASSERT_EQ(linie.size(), 64u);
    EXPECT_EQ(linie[0], "BEZP.\tF1\t1 - TOWAR\ttowar 12: Sprzedaż jednej sztuki, "
                        "Zakończenie paragonu");
    EXPECT_EQ(linie[1], "BEZP.\tF2\t2 - FUNKCJA\t05   WPŁATA DO KASY");
    EXPECT_EQ(linie[2], "BEZP.\tF3\tNIEZDEF.");
    EXPECT_EQ(linie[9], "LEWY+PRAWY ALT\t0\t3 - PŁATNOŚĆ\tEURO 10,50");
    EXPECT_EQ(linie[19], "LEWY    ALT\tF1\tNIEZDEF.");
    EXPECT_EQ(linie[28], "LEWY    ALT\t1\tNIEZDEF.");
    EXPECT_EQ(linie[63], "LEWY+PRAWY ALT\tF9\tNIEZDEF.");
}

TEST(OrbaklawCli, DiffComparesTwoFilesKeyByKey) {
    test::KatalogTymczasowy tmp;
    const std::string przyklad = CzytajPlik(Dane / "przyklad.txt");
    // The register-number line is not compared; F2 becomes function 6, F3 goods 3.
    std::string inny = "#7" + przyklad.substr(przyklad.find("\r\n"));
    inny.replace(inny.find("$238\t2\t5\t"), 10, "$238\t2\t6\t");
    inny.replace(inny.find("$239\t0"), 7, "$239\t1\t3\t0\t0\t0");
    tmp.Zapisz("inny.txt", inny);
    tmp.Zapisz("numer.txt", "#7" + przyklad.substr(przyklad.find("\r\n")));
    const std::string a = (Dane / "przyklad.txt").string();
    struct Przypadek {
        std::string b;
        int kod;
        std::string out;
    };
    const Przypadek przypadki[] = {
        {(Dane / "lf.txt").string(), 0, ""},
        {(tmp / "numer.txt").string(), 0, ""},
        {(tmp / "inny.txt").string(), 4,
         "BEZP.\tF2\t2 - FUNKCJA: 05   WPŁATA DO KASY\t2 - FUNKCJA: 06   WYPŁATA Z KASY\n"
         "BEZP.\tF3\tNIEZDEF.\t1 - TOWAR: towar 3\n"},
        {(Dane / "flaga-2.txt").string(), 1, ""},
        {(tmp / "brak.txt").string(), 2, ""},
    };
    for (const auto& p : przypadki) {
        const auto w = Uruchom({"diff", a, p.b});
        EXPECT_EQ(w.kod, p.kod) << p.b << w.err;
        EXPECT_EQ(w.out, p.out) << p.b;
    }
    EXPECT_EQ(Uruchom({"diff", a}).kod, 2);
    EXPECT_EQ(Uruchom({"diff", a, a, a}).kod, 2);
}

TEST(OrbaklawCli, ReservedNamesAndTheInputAreNeverOutputs) {
    test::KatalogTymczasowy tmp;
    const std::string we = (Dane / "przyklad.txt").string();
    tmp.Zapisz("KONFIG.TXT", "$01\tcom1:9600:mux0:1\t5\r\n");
    tmp.Zapisz("kopia.txt", CzytajPlik(Dane / "przyklad.txt"));
    for (const char* nazwa : {"KONFIG.TXT", "konfig.txt", "Raport.Txt", "RAPORT.TXT"}) {
        const auto w = Uruchom({"normalize", we, (tmp / nazwa).string()});
        EXPECT_EQ(w.kod, 2) << nazwa;
        EXPECT_EQ(w.err, std::string("orbaklaw-cli: BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU (") +
                             nazwa + ")\n");
    }
    EXPECT_EQ(tmp.Czytaj("KONFIG.TXT"), "$01\tcom1:9600:mux0:1\t5\r\n");
    EXPECT_FALSE(fs::exists(tmp / "konfig.txt") &&
                 !fs::equivalent(tmp / "konfig.txt", tmp / "KONFIG.TXT"));
    EXPECT_FALSE(fs::exists(tmp / "RAPORT.TXT"));
    const auto sam =
        Uruchom({"normalize", (tmp / "kopia.txt").string(), (tmp / "kopia.txt").string()});
    EXPECT_EQ(sam.kod, 2);
    EXPECT_NE(sam.err.find("Jednakowe nazwy plików wejściowego i wyjściowego."), std::string::npos);
}

TEST(OrbaklawCli, ALinkToAReservedFileIsRefusedAsTheFileItself) {
    test::KatalogTymczasowy tmp;
    const std::string konfig = "$01\tcom1:9600:mux0:1\t5\r\n";
    const std::string raport = "01.01.2026 10:00:00 K01 read Kod 0\r\n";
    tmp.Zapisz("KONFIG.TXT", konfig);
    tmp.Zapisz("raport.txt", raport);
    fs::create_symlink("KONFIG.TXT", tmp / "k.txt");
    fs::create_symlink("k.txt", tmp / "k2.txt");
    fs::create_hard_link(tmp / "KONFIG.TXT", tmp / "twarde.txt");
    fs::create_symlink("raport.txt", tmp / "r.txt");
    fs::create_hard_link(tmp / "raport.txt", tmp / "r2.txt");
    fs::create_symlink("RAPORT.TXT", tmp / "nowy.txt"); // leads to no file yet
    const std::string we = (Dane / "przyklad.txt").string();
    const struct {
        const char* plik;
        const char* zastrzezony;
    } przypadki[] = {{"k.txt", "KONFIG.TXT"},      {"k2.txt", "KONFIG.TXT"},
                     {"twarde.txt", "KONFIG.TXT"}, {"r.txt", "raport.txt"},
                     {"r2.txt", "raport.txt"},     {"nowy.txt", "RAPORT.TXT"}};
    for (const auto& p : przypadki) {
        const std::string wy = (tmp / p.plik).string();
        std::vector<std::vector<std::string>> polecenia{
            {"normalize", we, wy}, {"read", wy}, {"goods", wy}};
#ifdef ORBAKLAW_Z_WKLADKA // the key list's PDF is drawn with Qt
        polecenia.push_back({"show", we, "--pdf", wy});
#endif
        for (const auto& a : polecenia) {
            const auto w = Uruchom(a);
            EXPECT_EQ(w.kod, 2) << p.plik << " " << a[0];
            EXPECT_EQ(w.err, std::string("orbaklaw-cli: BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU (") +
                                 p.zastrzezony + ")\n")
                << p.plik << " " << a[0];
        }
    }
    EXPECT_EQ(tmp.Czytaj("KONFIG.TXT"), konfig);
    EXPECT_EQ(tmp.Czytaj("raport.txt"), raport);
    EXPECT_FALSE(fs::exists(tmp / "RAPORT.TXT"));
}

TEST(OrbaklawCli, ABadLineIsShownCutTo255Bytes) {
    test::KatalogTymczasowy tmp;
    const std::string linia = "$237\t1\t" + std::string(1'000'000, '7');
    tmp.Zapisz("dluga.txt", "#01\r\n#\r\n#\r\n" + linia + "\r\n");
    for (const char* polecenie : {"check", "show", "normalize", "write"}) {
        std::vector<std::string> a{polecenie, (tmp / "dluga.txt").string()};
        if (a[0] == "normalize")
            a.push_back((tmp / "wy.txt").string());
        const auto w = Uruchom(a);
        EXPECT_EQ(w.kod, 1) << polecenie;
        EXPECT_NE(w.err.find(KomunikatFormatu + ", linia 4: " + linia.substr(0, 255) + "…"),
                  std::string::npos)
            << polecenie << w.err.substr(0, 300);
        EXPECT_LT(w.err.size(), 400u) << polecenie;
    }
}

// Every command that reads a file, given `plik`.
std::vector<std::vector<std::string>> CzytajacePolecenia(const std::string& plik,
                                                         const test::KatalogTymczasowy& tmp) {
    const std::string dobry = (Dane / "przyklad.txt").string();
    return {{"check", plik},
            {"show", plik},
            {"normalize", plik, (tmp / "wy.txt").string()},
            {"diff", plik, dobry},
            {"diff", dobry, plik},
            {"write", plik},
            {"verify", plik}};
}

TEST(OrbaklawCli, InputsThatAreNotRegularFilesOfASaneSizeAreRefused) {
    test::KatalogTymczasowy tmp;
    const fs::path duzy = tmp / "duzy.txt";
    { std::ofstream(duzy.string()) << "#01\r\n"; }
    fs::resize_file(duzy, 3ull << 30); // sparse: no disk is used
    const fs::path potok = tmp / "potok.txt";
    ASSERT_EQ(::mkfifo(potok.c_str(), 0600), 0);
    const std::pair<std::string, std::string> przypadki[] = {
        {"/dev/zero", "/dev/zero: To nie jest zwykły plik"},
        {potok.string(), potok.string() + ": To nie jest zwykły plik"},
        {duzy.string(), duzy.string() + ": Plik jest za duży"},
        {"/proc/self/mem", "/proc/self/mem: Błąd wejścia-wyjścia"},
    };
    for (const auto& [plik, komunikat] : przypadki)
        for (const auto& a : CzytajacePolecenia(plik, tmp)) {
            const auto w = Uruchom(a);
            EXPECT_EQ(w.kod, 2) << a[0] << " " << plik;
            EXPECT_EQ(w.err, "orbaklaw-cli: " + komunikat + "\n") << a[0] << " " << plik;
        }
    EXPECT_FALSE(fs::exists(tmp / "wy.txt"));
}

TEST(OrbaklawCli, EachInputIsBoundAsItsKind) {
    // Sizes no valid file of the kind reaches, far under what the program
    // could hold: a few hundred kilobytes of names, two megabytes of keys.
    test::KatalogTymczasowy tmp;
    const auto rzadki = [&](const char* nazwa, std::uintmax_t rozmiar) {
        { std::ofstream((tmp / nazwa).string()) << "#01\r\n"; }
        fs::resize_file(tmp / nazwa, rozmiar);
        return (tmp / nazwa).string();
    };
    const std::string przyklad = (Dane / "przyklad.txt").string();
    const std::string definicje = rzadki("definicje.txt", 2u << 20);
    const std::string towary = rzadki("towary.txt", 2u << 20);
    const std::string platnosci = rzadki("plat.txt", 100u << 10);
    const struct {
        std::vector<std::string> argumenty;
        std::string plik;
    } przypadki[] = {
        {{"check", definicje}, definicje},
        {{"show", przyklad, "--goods", towary}, towary},
        {{"show", przyklad, "--payments", platnosci}, platnosci},
    };
    for (const auto& p : przypadki) {
        const auto w = Uruchom(p.argumenty);
        EXPECT_EQ(w.kod, 2) << p.plik;
        EXPECT_EQ(w.err, "orbaklaw-cli: " + p.plik + ": Plik jest za duży\n");
    }
}

TEST(OrbaklawCli, OutputsThatAreDevicesOrFifosAreRefused) {
    test::KatalogTymczasowy tmp;
    const fs::path potok = tmp / "potok.txt";
    ASSERT_EQ(::mkfifo(potok.c_str(), 0600), 0);
    std::vector<std::string> wyjscia{potok.string()};
    // Never a real device such as /dev/null: a broken check would replace it. A
    // null device of our own where the system lets us make one.
    const fs::path urzadzenie = tmp / "urzadzenie";
    if (::mknod(urzadzenie.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        wyjscia.push_back(urzadzenie.string());
    for (const std::string& wy : wyjscia) {
        const auto w = Uruchom({"normalize", (Dane / "przyklad.txt").string(), wy});
        EXPECT_EQ(w.kod, 2) << wy;
        EXPECT_EQ(w.err, "orbaklaw-cli: " + wy +
                             ": zapis możliwy tylko do zwykłego pliku (to urządzenie lub potok)\n");
    }
    EXPECT_TRUE(fs::is_fifo(potok));
    if (wyjscia.size() > 1) {
        EXPECT_TRUE(fs::is_character_file(urzadzenie));
    }
}

TEST(OrbaklawCli, PolishPathsReachTheFileSystemAndTheMessagesAsGiven) {
    test::KatalogTymczasowy tmp;
    const fs::path folder = tmp / "Wkładki";
    fs::create_directory(folder);
    const std::string plik = (folder / "zażółć.txt").string();
    ASSERT_EQ(Uruchom({"normalize", (Dane / "przyklad.txt").string(), plik}).kod, 0);
    EXPECT_EQ(CzytajPlik(plik), CzytajPlik(Dane / "przyklad.txt"));
    EXPECT_EQ(Uruchom({"check", plik}).kod, 0);
    EXPECT_EQ(Uruchom({"show", plik}).kod, 0);
    EXPECT_EQ(Uruchom({"diff", plik, (Dane / "przyklad.txt").string()}).kod, 0);
    const std::string brak = (folder / "brak-zażółć.txt").string();
    for (const auto& a : CzytajacePolecenia(brak, tmp)) {
        const auto w = Uruchom(a);
        EXPECT_EQ(w.kod, 2) << a[0];
        EXPECT_EQ(w.err, "orbaklaw-cli: " + brak + ": Nie ma takiego pliku ani katalogu\n") << a[0];
    }
    const std::string bezFolderu = (tmp / "brak-wkładek" / "zażółć.txt").string();
    const auto w = Uruchom({"normalize", plik, bezFolderu});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(w.err, "orbaklaw-cli: " + bezFolderu + ": Nie ma takiego pliku ani katalogu\n");
}

TEST(OrbaklawCli, PathsThatAreNotUtf8AreShownAsTheirBytes) {
    // A name written in another encoding (0xB3 is "ł" in Windows-1250) is
    // still the file's name: it is shown as it is, never as a conversion.
    test::KatalogTymczasowy tmp;
    const std::string potok = (tmp / "potok-\xB3.txt").string();
    ASSERT_EQ(::mkfifo(potok.c_str(), 0600), 0);
    const std::string brak = (tmp / "brak-\xB3\xEA.txt").string();
    const std::string folder = (tmp / "folder-\xB3").string();
    fs::create_directory(folder);
    const std::string dobry = (Dane / "przyklad.txt").string();
    const struct {
        std::vector<std::string> argumenty;
        std::string komunikat;
    } przypadki[] = {
        {{"check", brak}, brak + ": Nie ma takiego pliku ani katalogu"},
        {{"show", potok}, potok + ": To nie jest zwykły plik"},
        {{"diff", dobry, folder}, folder + ": To jest katalog"},
        {{"normalize", dobry, folder}, folder + ": To jest katalog"},
        {{"normalize", dobry, potok},
         potok + ": zapis możliwy tylko do zwykłego pliku (to urządzenie lub potok)"},
        {{"normalize", dobry, folder + "/brak/x.txt"},
         folder + "/brak/x.txt: Nie ma takiego pliku ani katalogu"},
        {{"write", brak}, brak + ": Nie ma takiego pliku ani katalogu"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.argumenty[0] + " " + p.argumenty.back());
        const auto w = Uruchom(p.argumenty);
        EXPECT_EQ(w.kod, 2);
        EXPECT_EQ(w.err, "orbaklaw-cli: " + p.komunikat + "\n");
    }
    const std::string zly = (tmp / "z\xB3y.txt").string();
    { std::ofstream(zly, std::ios::binary) << "#01\r\n#\r\n#\r\nx\r\n"; }
    const auto w = Uruchom({"check", zly});
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.err, "orbaklaw-cli: " + zly + ": " + KomunikatFormatu + ", linia 4: x\n");
}

TEST(OrbaklawCli, ShowAndDiffAsJson) {
    if (!test::JestJq())
        GTEST_SKIP() << "jq is not installed (scripts/setup installs it)";
    const std::string przyklad = (Dane / "przyklad.txt").string();
    const auto show = Uruchom({"show", przyklad, "--json"});
    EXPECT_EQ(show.kod, 0) << show.err;
    EXPECT_EQ(show.err, "");
    for (const char* wyrazenie :
         {".klawisze | length == 64",
          ".klawisze[0] | .wariant == \"BEZP.\" and .klawisz == \"F1\" and .kod == 237",
          ".klawisze[0].definicja | .rodzaj == 1 and .nrTowaru == 12 and .pojedynczo and "
          "(.zaplata | not) and .paragon",
          ".klawisze[1].definicja | .rodzaj == 2 and .numer == 5 and .opis == \"2 - FUNKCJA: 05   "
          "WPŁATA DO KASY\"",
          ".klawisze[9] | .wariant == \"LEWY+PRAWY ALT\" and .definicja.kwota == 1050",
          ".klawisze[63].definicja == {\"rodzaj\": 0, \"opis\": \"NIEZDEF.\"}"})
        EXPECT_TRUE(test::Jq(show.out, wyrazenie)) << wyrazenie;

    test::KatalogTymczasowy tmp;
    std::string inny = CzytajPlik(Dane / "przyklad.txt");
    inny.replace(inny.find("$238\t2\t5\t"), 10, "$238\t2\t6\t");
    tmp.Zapisz("inny.txt", inny);
    const auto rowne = Uruchom({"diff", przyklad, (Dane / "lf.txt").string(), "--json"});
    EXPECT_EQ(rowne.kod, 0);
    EXPECT_TRUE(test::Jq(rowne.out, ".rowne and (.roznice | length == 0)")) << rowne.out;
    const auto rozne = Uruchom({"diff", "--json", przyklad, (tmp / "inny.txt").string()});
    EXPECT_EQ(rozne.kod, 4);
    EXPECT_TRUE(test::Jq(rozne.out, "(.rowne | not) and (.roznice | length == 1) and "
                                    ".roznice[0].klawisz == \"F2\" and .roznice[0].a.numer == 5 "
                                    "and .roznice[0].b.numer == 6"))
        << rozne.out;
    // Failures: nothing on stdout, the message on stderr.
    const auto brak = Uruchom({"show", (tmp / "brak.txt").string(), "--json"});
    EXPECT_EQ(brak.kod, 2);
    EXPECT_EQ(brak.out, "");
    EXPECT_NE(brak.err.find("Nie ma takiego pliku ani katalogu"), std::string::npos);
    EXPECT_EQ(Uruchom({"check", przyklad, "--json"}).kod, 2) << "check has no --json";
}

} // namespace
} // namespace orbaklaw

// What the readers accept as input: regular files of a sane size only, any
// of the three line ends, and the system's reasons in Polish.
#include "appearance/PlikEtykiet.h"
#include "files/CzytnikLinii.h"
#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <chrono>
#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;
using Linie = std::vector<std::string>;

template <typename Czytanie> std::string Komunikat(Czytanie czytanie) {
    const auto wynik = czytanie();
    if (!wynik)
        return wynik.Blad().Komunikat();
    return "(no error)";
}

// A read whose value is not looked at: only whether it failed, and why.
using Czytanie = std::function<WynikPliku<void>()>;
template <typename T> WynikPliku<void> Samo(const WynikPliku<T>& wynik) {
    if (!wynik)
        return wynik.Blad();
    return {};
}

TEST(CzytanieWejscia, AFinalLoneCrEndsTheLastLine) {
    const struct {
        const char* tresc;
        Linie linie;
    } przypadki[] = {
        {"a\r", {"a"}},         {"a\r\nb\r", {"a", "b"}}, {"\r", {""}},
        {"a\rb\r\n", {"a\rb"}}, // inside a line a CR is just a byte
        {"a\r\r\n", {"a\r"}},   {"a\nb", {"a", "b"}},     {"a\r\n", {"a"}},
    };
    test::KatalogTymczasowy katalog;
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.tresc);
        katalog.Zapisz("x.txt", p.tresc);
        EXPECT_EQ(*CzytajLinie(katalog / "x.txt"), p.linie);
        EXPECT_EQ(PodzielNaLinie(p.tresc), p.linie);
    }
}

TEST(CzytanieWejscia, DefinitionAndLabelFilesEndingInALoneCrAreGood) {
    test::KatalogTymczasowy katalog;
    katalog.Zapisz("k.txt", "#01\r\n#\r\n#\r\n$238\t2\t5\t\r\n$1\t3\t8\t1050\t0\r");
    TabliceKlawiszy t;
    const auto wynik = *CzytajPlikDefinicji(t, katalog / "k.txt");
    EXPECT_TRUE(wynik.poprawny) << wynik.zlaLinia;
    EXPECT_EQ(t.KlawiszeBezp[9].Kwota, 1050);
    katalog.Zapisz("e.bm0", "PIECZYWO\r\nMLEKO\r");
    const TekstyEtykiet e = *CzytajPlikEtykiet(katalog / "e.bm0");
    EXPECT_EQ(e[1], "MLEKO");
}

TEST(CzytanieWejscia, TheSystemsCommonReasonsAreGivenInPolish) {
    test::KatalogTymczasowy katalog;
    const std::string brak = Komunikat([&] { return Samo(CzytajLinie(katalog / "brak.txt")); });
    EXPECT_EQ(brak, (katalog / "brak.txt").string() +
                        test::Cp1250(": Nie ma takiego pliku ani katalogu"));
    const std::string folder = Komunikat([&] { return Samo(CzytajLinie(katalog.sciezka())); });
    EXPECT_EQ(folder, katalog.sciezka().string() + ": To jest katalog");
    const std::string zapis =
        Komunikat([&] { return Samo(ZapiszAtomowo(katalog / "nie" / "x.txt", "a")); });
    EXPECT_NE(zapis.find(test::Cp1250("Nie ma takiego pliku ani katalogu")), std::string::npos)
        << zapis;
}

#ifndef _WIN32 // POSIX: devices, FIFOs, /proc and fork
TEST(CzytanieWejscia, ADeviceIsNotReadAsAFile) {
    for (const char* urzadzenie : {"/dev/null", "/dev/zero"}) {
        SCOPED_TRACE(urzadzenie);
        const std::string komunikat = Komunikat([&] { return Samo(CzytajLinie(urzadzenie)); });
        EXPECT_EQ(komunikat, urzadzenie + test::Cp1250(": To nie jest zwykły plik"));
        TabliceKlawiszy t;
        EXPECT_FALSE(CzytajPlikDefinicji(t, urzadzenie));
        EXPECT_FALSE(CzytajPlikEtykiet(urzadzenie));
    }
}
#endif

#ifndef _WIN32 // POSIX: devices, FIFOs, /proc and fork
TEST(CzytanieWejscia, AFifoIsRefusedWithoutWaitingForAWriter) {
    test::KatalogTymczasowy katalog;
    ASSERT_EQ(::mkfifo((katalog / "kolejka").c_str(), 0644), 0);
    const std::string komunikat = Komunikat([&] { return Samo(CzytajLinie(katalog / "kolejka")); });
    EXPECT_EQ(komunikat,
              (katalog / "kolejka").string() + test::Cp1250(": To nie jest zwykły plik"));
    TabliceKlawiszy t;
    EXPECT_FALSE(CzytajPlikDefinicji(t, katalog / "kolejka"));
}
#endif

#ifndef _WIN32 // POSIX: devices, FIFOs, /proc and fork
// What `czytanie` threw in a child process, or why it never said, when the
// child is still reading after `sekund`.
std::string KomunikatWCzasie(const Czytanie& czytanie, int sekund) {
    int rura[2];
    if (::pipe(rura) != 0)
        return "(no pipe)";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(rura[0]);
        const std::string komunikat = Komunikat(czytanie);
        [[maybe_unused]] const auto n = ::write(rura[1], komunikat.data(), komunikat.size());
        ::_exit(0);
    }
    ::close(rura[1]);
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(sekund);
    int stan = 0;
    while (::waitpid(pid, &stan, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > koniec) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &stan, 0);
            ::close(rura[0]);
            return "(still reading after " + std::to_string(sekund) + " s)";
        }
        ::usleep(20000);
    }
    std::string komunikat;
    char bufor[4096];
    for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;)
        komunikat.append(bufor, static_cast<size_t>(n));
    ::close(rura[0]);
    return komunikat;
}
#endif

#ifndef _WIN32 // POSIX: devices, FIFOs, /proc and fork
// A file that looks regular but waits for data on a read (the kernel's log)
// is refused in a moment instead of stalling the reader.
TEST(CzytanieWejscia, AFileThatWaitsForDataIsRefusedInTime) {
    const fs::path kmsg = "/proc/kmsg";
    if (::access(kmsg.c_str(), R_OK) != 0)
        GTEST_SKIP() << "/proc/kmsg, a file that waits for data, can't be read here "
                        "(it needs the administrator)";
    const std::vector<std::pair<const char*, Czytanie>> czytania{
        {"CzytajCalyPlik", [&] { return Samo(CzytajCalyPlik(kmsg, 64u << 10)); }},
        {"CzytnikLinii",
         [&]() -> WynikPliku<void> {
             CzytnikLinii czytnik(kmsg, 64u << 10);
             if (auto otwarcie = czytnik.Otworz(); !otwarcie)
                 return otwarcie;
             std::string linia;
             for (auto jest = czytnik.Nastepna(linia);; jest = czytnik.Nastepna(linia))
                 if (!jest || !*jest)
                     return Samo(jest);
         }},
        {"CzytajLinie", [&] { return Samo(CzytajLinie(kmsg)); }},
    };
    for (const auto& [nazwa, czytanie] : czytania) {
        SCOPED_TRACE(nazwa);
        const std::string komunikat = KomunikatWCzasie(czytanie, 10);
        EXPECT_EQ(komunikat.rfind("/proc/kmsg: ", 0), 0u) << komunikat;
    }
}
#endif

// A sparse file: as large as a real one to the readers, no room on disk.
void PlikRzadki(const fs::path& plik, uintmax_t rozmiar) {
    std::ofstream{plik};
    std::error_code ec;
    fs::resize_file(plik, rozmiar, ec);
    ASSERT_FALSE(ec) << ec.message();
}

TEST(CzytanieWejscia, HugeFilesAreRefusedBeforeReading) {
    test::KatalogTymczasowy katalog;
    const fs::path plik = katalog / "ogromny.txt";
    PlikRzadki(plik, uintmax_t{3} << 30);
    const std::string oczekiwany = plik.string() + test::Cp1250(": Plik jest za duży");
    EXPECT_EQ(Komunikat([&] { return Samo(CzytajLinie(plik)); }), oczekiwany);
    TabliceKlawiszy t;
    EXPECT_EQ(Komunikat([&] { return Samo(CzytajPlikDefinicji(t, plik)); }), oczekiwany);
    EXPECT_EQ(Komunikat([&] { return Samo(CzytajPlikEtykiet(plik)); }), oczekiwany);
}

// How a read ended: "odrzucony" for a file refused for its size or line
// count, "blad" for any other failure, "" when it was read.
template <typename Odczyt> std::string Wynik(const Odczyt& czytanie) {
    const auto wynik = czytanie();
    if (wynik)
        return "";
    return (wynik.Blad().Odrzucony() ? "odrzucony " : "blad ") + wynik.Blad().Komunikat();
}

#ifndef _WIN32 // POSIX: devices, FIFOs, /proc and fork
TEST(CzytanieWejscia, AFileTooLargeForItsKindIsToldFromOneThatCantBeOpened) {
    test::KatalogTymczasowy katalog;
    const fs::path ogromny = katalog / "ogromny.txt";
    PlikRzadki(ogromny, uintmax_t{3} << 30);
    katalog.Zapisz("trzy.txt", "a\r\nb\r\nc\r\n");
    const fs::path trzy = katalog / "trzy.txt";
    ASSERT_EQ(::mkfifo((katalog / "kolejka").c_str(), 0644), 0);
    // /proc/self/maps says it is empty and then gives far more than 16 bytes.
    const fs::path rosnacy = "/proc/self/maps";
    TabliceKlawiszy t;
    const std::string zaDuzy = test::Cp1250(": Plik jest za duży");
    const std::string nieZwykly = test::Cp1250(": To nie jest zwykły plik");
    const struct {
        const char* opis;
        Czytanie czytanie;
        std::string wynik;
    } przypadki[] = {
        {"size, lines", [&] { return Samo(CzytajLinie(ogromny)); },
         "odrzucony " + ogromny.string() + zaDuzy},
        {"size, definitions", [&] { return Samo(CzytajPlikDefinicji(t, ogromny)); },
         "odrzucony " + ogromny.string() + zaDuzy},
        {"size, labels", [&] { return Samo(CzytajPlikEtykiet(ogromny)); },
         "odrzucony " + ogromny.string() + zaDuzy},
        {"size, whole", [&] { return Samo(CzytajCalyPlik(ogromny, 1u << 20)); },
         "odrzucony " + ogromny.string() + zaDuzy},
        {"line count",
         [&] {
             return Samo(CzytajLinie(trzy, {1024, 2}));
         },
         "odrzucony " + trzy.string() + zaDuzy},
        {"grows, lines",
         [&] {
             return Samo(CzytajLinie(rosnacy, {16, 1000}));
         },
         "odrzucony " + rosnacy.string() + zaDuzy},
        {"grows, whole", [&] { return Samo(CzytajCalyPlik(rosnacy, 16)); },
         "odrzucony " + rosnacy.string() + zaDuzy},
        {"within the bounds",
         [&] {
             return Samo(CzytajLinie(trzy, {1024, 3}));
         },
         ""},
        {"missing", [&] { return Samo(CzytajLinie(katalog / "brak.txt")); },
         "blad " + (katalog / "brak.txt").string() +
             test::Cp1250(": Nie ma takiego pliku ani katalogu")},
        {"folder", [&] { return Samo(CzytajCalyPlik(katalog.sciezka(), 1024)); },
         "blad " + katalog.sciezka().string() + ": To jest katalog"},
        {"fifo", [&] { return Samo(CzytajPlikDefinicji(t, katalog / "kolejka")); },
         "blad " + (katalog / "kolejka").string() + nieZwykly},
        {"device", [&] { return Samo(CzytajLinie("/dev/zero")); }, "blad /dev/zero" + nieZwykly},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        EXPECT_EQ(Wynik(p.czytanie), p.wynik);
    }
}
#endif

TEST(CzytanieWejscia, BadLineIsShownCutToItsFirst255Bytes) {
    const std::string poczatek = test::Cp1250("Błędny format pliku wejsciowego");
    const struct {
        std::string linia, pokazana;
    } przypadki[] = {
        {std::string(255, 'x'), std::string(255, 'x')},
        {std::string(256, 'x'), std::string(255, 'x') + test::Cp1250("…")},
        {std::string(1 << 20, 'y'), std::string(255, 'y') + test::Cp1250("…")},
        {"$239\t7", "$239\t7"},
        {"", ""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.linia.size());
        EXPECT_EQ(KomunikatBlednegoFormatu(p.linia), poczatek + p.pokazana);
    }
}

} // namespace
} // namespace orbaklaw

// Backups of the register's definitions: where they go, their names, that
// none is ever replaced, and that each register keeps its 50 newest.
#include "transfer/KopiaZapasowa.h"

#include "files/PlikTekstowy.h"
#include "platform/KodowanieSciezek.h"
#include "platform/Srodowisko.h"
#include "tests/support/Cp1250.h"
#include "tests/support/KatalogTymczasowy.h"
#ifndef _WIN32
#include "tests/support/MalySystemPlikow.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;
using test::KatalogTymczasowy;
using namespace std::string_literals;

std::set<std::string> Nazwy(const fs::path& folder) {
    std::set<std::string> nazwy;
    for (const auto& w : fs::directory_iterator(folder))
        nazwy.insert(w.path().filename().string());
    return nazwy;
}

// A fixed moment in local time: 9 December 2026, 03:15:07.
std::time_t Chwila(int sekunda = 7) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 9;
    t.tm_hour = 3;
    t.tm_min = 15;
    t.tm_sec = sekunda;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

TEST(KopiaZapasowa, FolderRule) {
    const std::optional<std::string> brak;
    struct Przypadek {
        ZmienneFolderuKopii zmienne;
        const char* folder;
    };
#ifdef _WIN32
    // On Windows: %ORBAKLAW_KOPIE%, else %LOCALAPPDATA%\orbaklaw\kopie.
    const Przypadek przypadki[] = {
        {{"C:\\k", brak, brak, "C:\\L"}, "C:\\k"},
        {{"", "/x", "/h", "C:\\L"}, "C:\\L\\orbaklaw\\kopie"},
        {{brak, brak, brak,
          "C:\\Users\\Wk\xb3"
          "adki"},
         "C:\\Users\\Wk\xb3"
         "adki\\orbaklaw\\kopie"},
        {{brak, "C:\\x", "C:\\h", "wzgledny"}, nullptr},
    };
#else
    const Przypadek przypadki[] = {
        {{"/k", "/x", "/h", brak}, "/k"},
        {{"wzgledny", "/x", "/h", brak}, "wzgledny"},
        {{"", "/x", "/h", brak}, "/x/orbaklaw/kopie"},
        {{brak, "/x", "/h", brak}, "/x/orbaklaw/kopie"},
        {{brak, "", "/h", brak}, "/h/.local/share/orbaklaw/kopie"},
        {{brak, "wzgledny", "/h", brak}, "/h/.local/share/orbaklaw/kopie"},
        {{brak, brak, "/h", brak}, "/h/.local/share/orbaklaw/kopie"},
        {{brak, brak,
          "/Wk\xc5\x82"
          "adki",
          brak},
         "/Wk\xc5\x82"
         "adki/.local/share/orbaklaw/kopie"},
    };
#endif
    for (const auto& p : przypadki) {
        if (!p.folder) {
            EXPECT_FALSE(FolderKopii(p.zmienne));
            continue;
        }
        EXPECT_EQ(*FolderKopii(p.zmienne), platform::SciezkaZBajtow(p.folder)) << p.folder;
    }
    EXPECT_FALSE(FolderKopii({brak, brak, brak, brak}));
    EXPECT_FALSE(FolderKopii({"", "", "", ""}));
}

TEST(KopiaZapasowa, FolderFromTheEnvironment) {
    KatalogTymczasowy tmp;
    const char* stara = std::getenv("ORBAKLAW_KOPIE");
    const std::string zachowana = stara ? stara : "";
    ASSERT_TRUE(platform::UstawZmienna("ORBAKLAW_KOPIE", (tmp / "kopie").string()));
    EXPECT_EQ(*FolderKopii(), tmp / "kopie");
    const fs::path kopia = *ZachowajKopie("7", "#07\r\n");
    EXPECT_EQ(kopia.parent_path(), tmp / "kopie") << "the folder is made when missing";
    EXPECT_TRUE(stara ? platform::UstawZmienna("ORBAKLAW_KOPIE", zachowana)
                      : platform::UsunZmienna("ORBAKLAW_KOPIE"));
}

TEST(KopiaZapasowa, NameHasTheRegisterInTwoDigitsAndTheLocalTime) {
    EXPECT_EQ(*NazwaKopii("01", Chwila()), "kasa01-20261209-031507.txt");
    EXPECT_EQ(*NazwaKopii("7", Chwila()), "kasa07-20261209-031507.txt");
    EXPECT_EQ(*NazwaKopii("12", Chwila(), 3), "kasa12-20261209-031507-3.txt");
    for (const char* zly : {"", "123", "a", "-1", "1 "})
        EXPECT_FALSE(NazwaKopii(zly, Chwila())) << zly;
}

TEST(KopiaZapasowa, KeepsTheContentByteForByte) {
    KatalogTymczasowy tmp;
    const std::string tresc = "#01\r\n#\r\n#\r\n$237\t0\r\n\xb3\x00x"s;
    const fs::path kopia = *ZachowajKopie(tmp / "a" / "b", "01", tresc, Chwila());
    EXPECT_EQ(kopia, tmp / "a" / "b" / "kasa01-20261209-031507.txt");
    EXPECT_EQ(tmp.Czytaj("a/b/kasa01-20261209-031507.txt"), tresc);
    EXPECT_EQ(Nazwy(tmp / "a" / "b").size(), 1u) << "no temporary file is left";
}

// A moment `dni` days ago by the file system's clock.
fs::file_time_type DniTemu(int dni) {
    return fs::file_time_type::clock::now() - std::chrono::hours(24 * dni);
}

TEST(KopiaZapasowa, ASecondBackupInTheSameSecondNeverReplacesTheFirst) {
    KatalogTymczasowy tmp;
    const auto a = *ZachowajKopie(tmp.sciezka(), "01", "pierwsza", Chwila());
    const auto b = *ZachowajKopie(tmp.sciezka(), "1", "druga", Chwila());
    const auto c = *ZachowajKopie(tmp.sciezka(), "01", "trzecia", Chwila());
    EXPECT_EQ(a.filename(), "kasa01-20261209-031507.txt");
    EXPECT_EQ(b.filename(), "kasa01-20261209-031507-2.txt");
    EXPECT_EQ(c.filename(), "kasa01-20261209-031507-3.txt");
    EXPECT_EQ(tmp.Czytaj(a.filename().string()), "pierwsza");
    EXPECT_EQ(tmp.Czytaj(b.filename().string()), "druga");
    EXPECT_EQ(tmp.Czytaj(c.filename().string()), "trzecia");
}

TEST(KopiaZapasowa, EachRegisterKeepsItsFiftyNewest) {
    KatalogTymczasowy tmp;
    tmp.Zapisz("kasa02-20261209-031500.txt", "inna kasa");
    tmp.Zapisz("kasa01-notatki.txt", "obcy plik");
    tmp.Zapisz("kasa01-20261209-031500.txt.bak", "obcy plik");
    tmp.Zapisz("kasa1-20261209-031500.txt", "obcy plik");
    std::vector<fs::path> kopie;
    // 55 backups over two seconds: the same-second ones sort by their number.
    // They were made days ago, one after another, as their names say.
    for (int i = 0; i < 55; ++i) {
        kopie.push_back(
            *ZachowajKopie(tmp.sciezka(), "01", std::to_string(i), Chwila(i < 30 ? 0 : 1)));
        fs::last_write_time(kopie.back(), DniTemu(10) + std::chrono::seconds(i));
    }
    const auto nazwy = Nazwy(tmp.sciezka());
    for (size_t i = 0; i < kopie.size(); ++i)
        EXPECT_EQ(nazwy.count(kopie[i].filename().string()), i < 5 ? 0u : 1u) << i;
    for (const char* obcy : {"kasa02-20261209-031500.txt", "kasa01-notatki.txt",
                             "kasa01-20261209-031500.txt.bak", "kasa1-20261209-031500.txt"})
        EXPECT_EQ(nazwy.count(obcy), 1u) << obcy;
    EXPECT_EQ(nazwy.size(), 50u + 4u);

    EXPECT_TRUE(PrzytnijKopie(tmp.sciezka(), "01", 2));
    EXPECT_EQ(Nazwy(tmp.sciezka()).count(kopie[54].filename().string()), 1u);
    EXPECT_EQ(Nazwy(tmp.sciezka()).count(kopie[53].filename().string()), 1u);
    EXPECT_EQ(Nazwy(tmp.sciezka()).size(), 2u + 4u);
}

// Age is what the file system recorded, not what a name says: backups named
// in the future (a clock that was set back) go first when they are old, and
// none made in the last day goes at all.
TEST(KopiaZapasowa, ABackupOfTheLastDayIsNeverPruned) {
    struct Przypadek {
        const char* opis;
        int dniPrzyszlych; // how long ago the future-named backups were made
        size_t zostaje;    // of them
        // The list of the order of making: the file system's times of the
        // future-named (up to 49 s ahead) are later than the new backups'.
        size_t kolejnosc;
    };
    for (const Przypadek& p : {Przypadek{"they were made today", 0, 50, 1},
                               Przypadek{"they were made long ago", 30, 47, 0}}) {
        SCOPED_TRACE(p.opis);
        KatalogTymczasowy tmp;
        std::vector<std::string> przyszle;
        for (int i = 0; i < 50; ++i) {
            char nazwa[40];
            std::snprintf(nazwa, sizeof nazwa, "kasa01-20990101-0000%02d.txt", i);
            tmp.Zapisz(nazwa, "z przyszlosci");
            fs::last_write_time(tmp / nazwa, DniTemu(p.dniPrzyszlych) + std::chrono::seconds(i));
            przyszle.push_back(nazwa);
        }
        std::vector<fs::path> nowe;
        for (int i = 0; i < 3; ++i)
            nowe.push_back(*ZachowajKopie(tmp.sciezka(), "01", "nowa", std::time(nullptr)));
        const auto nazwy = Nazwy(tmp.sciezka());
        for (const auto& kopia : nowe)
            EXPECT_EQ(nazwy.count(kopia.filename().string()), 1u) << kopia;
        EXPECT_EQ(nazwy.count(".kolejnosc-kasa01.txt"), p.kolejnosc);
        EXPECT_EQ(nazwy.size(), p.zostaje + 3 + p.kolejnosc);
        for (size_t i = 0; i < 3 && p.dniPrzyszlych > 0; ++i) {
            EXPECT_EQ(nazwy.count(przyszle[i]), 0u) << "the oldest by the file system go first";
        }
    }
}

// Whatever the clock did, the backups made last are never the ones pruned:
// 50 made while the clock was a year ahead, then 5 after it was put right
// (two days ago), then one more now.
TEST(KopiaZapasowa, TheBackupsMadeLastSurviveAClockChange) {
    KatalogTymczasowy tmp;
    const std::time_t teraz = std::time(nullptr);
    constexpr std::time_t Dzien = 24 * 3600;
    std::set<std::string> przyszle;
    for (int i = 0; i < 50; ++i) {
        const std::string nazwa = *NazwaKopii("01", teraz + 365 * Dzien + i);
        tmp.Zapisz(nazwa, "z przyszlosci");
        fs::last_write_time(tmp / nazwa, DniTemu(-365) + std::chrono::seconds(i));
        przyszle.insert(nazwa);
    }
    std::vector<fs::path> ostatnie;
    for (int i = 0; i < 5; ++i) {
        ostatnie.push_back(*ZachowajKopie(tmp.sciezka(), "01", "prawdziwa", teraz - 2 * Dzien + i));
        fs::last_write_time(ostatnie.back(), DniTemu(2) + std::chrono::seconds(i));
    }
    ostatnie.push_back(*ZachowajKopie(tmp.sciezka(), "01", "nowa", teraz));
    const auto nazwy = Nazwy(tmp.sciezka());
    for (const auto& kopia : ostatnie)
        EXPECT_EQ(nazwy.count(kopia.filename().string()), 1u) << kopia;
    for (const auto& nazwa : przyszle)
        EXPECT_EQ(nazwy.count(nazwa), 1u) << nazwa << ": later than now, it is kept a while";
    // The order of making is kept beside them from the first backup made
    // "before" one already there.
    std::string kolejnosc;
    for (const auto& kopia : ostatnie)
        kolejnosc += kopia.filename().string() + "\r\n";
    EXPECT_EQ(tmp.Czytaj(".kolejnosc-kasa01.txt"), kolejnosc);
}

// A backup folder that is a symbolic link to nothing, or a file, is said to
// be so in Polish, not as "File exists".
TEST(KopiaZapasowa, ADanglingLinkAsTheFolderIsToldInPolish) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
    KatalogTymczasowy tmp;
    fs::create_symlink(tmp / "odlaczony-dysk" / "kopie", tmp / "dowiazanie");
    tmp.Zapisz("plik", "x");
    const std::pair<const char*, std::string> przypadki[] = {
        {"dowiazanie", test::Cp1250("Dowiązanie symboliczne do nieistniejącego katalogu")},
        {"plik", "To nie jest katalog"},
    };
    for (const auto& [nazwa, powod] : przypadki) {
        SCOPED_TRACE(nazwa);
        const auto kopia = ZachowajKopie(tmp / nazwa, "01", "x", Chwila());
        ASSERT_FALSE(kopia) << "no error";
        EXPECT_EQ(kopia.Blad().Sciezka(), (tmp / nazwa).string());
        EXPECT_EQ(kopia.Blad().Powod(), powod);
    }
    EXPECT_EQ(Nazwy(tmp.sciezka()).size(), 2u);
}

// A backup that can't be written (a full disk) is named as the backup it
// was to be, never as the temporary file it is written through.
TEST(KopiaZapasowa, AFailedBackupIsNamedAsTheBackup) {
#ifdef _WIN32
    GTEST_SKIP() << "a small file system is mounted only on Linux";
#else
    test::MalySystemPlikow maly;
    if (!maly.Zamontowany())
        GTEST_SKIP() << maly.Powod();
    maly.ZostawWolne(1024);
    const auto kopia = ZachowajKopie(maly.sciezka(), "01", std::string(64 * 1024, 'x'), Chwila());
    ASSERT_FALSE(kopia) << "no error";
    const auto& e = kopia.Blad();
    EXPECT_EQ(e.Sciezka(), (maly / "kasa01-20261209-031507.txt").string());
    EXPECT_EQ(e.Komunikat().find(".tmp"), std::string::npos) << e.Komunikat();
#endif
}

TEST(KopiaZapasowa, AFolderThatCannotBeMadeIsAnInputOutputError) {
    KatalogTymczasowy tmp;
    tmp.Zapisz("plik", "x");
    EXPECT_FALSE(ZachowajKopie(tmp / "plik" / "kopie", "01", "x", Chwila()));
    EXPECT_FALSE(ZachowajKopie(tmp.sciezka(), "abc", "x", Chwila()));
    // The folder named and the system's reason in Polish, as for any file.
    const auto kopia = ZachowajKopie(tmp / "plik" / "kopie", "01", "x", Chwila());
    ASSERT_FALSE(kopia) << "no error";
    EXPECT_EQ(kopia.Blad().Sciezka(), (tmp / "plik" / "kopie").string());
    EXPECT_EQ(kopia.Blad().Powod(), test::Cp1250("Składnik ścieżki nie jest katalogiem"));
}

} // namespace
} // namespace orbaklaw

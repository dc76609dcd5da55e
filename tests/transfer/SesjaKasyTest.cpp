// The register session by itself, over a library whose functions the test
// gives: every way a read can end comes back as a result (none as an
// exception), the calls run in the session's folder and the caller's folder
// comes back, and no exchange file is left behind.

#include "transfer/SesjaKasy.h"

#include "comm/BibliotekaKasdrv.h"
#include "files/PlikTekstowy.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace orbaklaw;
namespace fs = std::filesystem;

namespace {

// What the fake ODefKlaw answers and where it found its request.
struct Kasa {
    uint8_t kod = 0;
    std::string odpowiedz;
    bool zapytanieWFolderze = false;
};
Kasa kasa;

uint8_t KASDRV_WYWOLANIE Odczyt(const char* wejscie, const char* wyjscie) {
    kasa.zapytanieWFolderze = fs::exists(wejscie) && fs::current_path().filename() == "wymiana";
    if (kasa.kod == 0)
        std::ofstream(wyjscie, std::ios::binary) << kasa.odpowiedz;
    return kasa.kod;
}

const std::string Definicje = ZlaczLinie({"#1", "#", "#", "$200\t1\t12\t1\t0\t1"});

} // namespace

TEST(SesjaKasy, EveryEndOfAReadIsAResultAndLeavesNoExchangeFile) {
    struct Przypadek {
        const char* nazwa;
        uint8_t kod;
        std::string odpowiedz;
        bool brakFunkcji;
        Niepowodzenie rodzaj;
    };
    const Przypadek przypadki[] = {
        {"read", 0, Definicje, false, Niepowodzenie::Brak},
        {"refused", 21, "", false, Niepowodzenie::Kasa},
        {"no definition file", 0, ZlaczLinie({"#1", "#", "#", "xyz"}), false,
         Niepowodzenie::Odpowiedz},
        {"no such function", 0, "", true, Niepowodzenie::Biblioteka},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        test::KatalogTymczasowy katalog;
        const fs::path folder = katalog / "wymiana";
        fs::create_directory(folder);
        const fs::path przed = fs::current_path();
        kasa = {p.kod, p.odpowiedz, false};
        FunkcjeKasdrv funkcje;
        if (!p.brakFunkcji)
            funkcje.ODefKlaw = Odczyt;
        uint8_t kodBledu = 99;
        BibliotekaKasdrv kasdrv(funkcje);
        SesjaKasy sesja(kasdrv, folder, "01", kodBledu);
        const auto odczyt = sesja.OdczytajDefinicje();
        const WynikKasy& wynik = odczyt.wynik;
        const std::string& tresc = odczyt.tresc;
        EXPECT_EQ(wynik.rodzaj, p.rodzaj);
        EXPECT_EQ(wynik.kod, p.kod);
        EXPECT_EQ(kodBledu, p.brakFunkcji ? 99 : p.kod) << "KodBledu is the exchange's, if made";
        EXPECT_EQ(fs::current_path(), przed);
        EXPECT_EQ(kasa.zapytanieWFolderze, !p.brakFunkcji) << "the call runs in the folder";
        EXPECT_TRUE(fs::is_empty(folder)) << "exchange files left";
        EXPECT_EQ(tresc, p.rodzaj == Niepowodzenie::Brak ? Definicje : "");
        EXPECT_EQ(wynik.zlaLinia, p.rodzaj == Niepowodzenie::Odpowiedz ? "xyz" : "");
        EXPECT_EQ(wynik.powod.find("__ODefKlaw") != std::string::npos, p.brakFunkcji)
            << wynik.powod;
    }
}

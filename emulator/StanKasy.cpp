#include "emulator/StanKasy.h"
#include "files/StronyKodowe.h"

#include "files/NazwyStale.h"
#include "files/PlikTekstowy.h"
#include "format/OdpowiedziKasy.h"
#include "format/PlikDefinicji.h"

#include <array>

namespace orbaklaw::emulator {

namespace fs = std::filesystem;

namespace {

// The goods and payments are kept in the layout, and under the names, of
// the reply files the library writes for them.
constexpr const char* PlikKlawiszy = "klawisze.txt";
constexpr const char* PlikTowarow = NazwaPlikuTowarow;
constexpr const char* PlikPlatnosci = NazwaPlikuPlatnosci;

// CP852 names of the demo base.
const std::array<const char*, 14> NazwyDemo{
    "CHLEB ŻYTNI"_cp852,   "MASŁO EKSTRA"_cp852,
    "JABŁKA"_cp852,        "ŚLIWKI"_cp852,
    "MĄKA PSZENNA"_cp852,  "ŻÓŁTY SER"_cp852,
    "ŁOSOŚ WĘDZONY"_cp852, "KAWA ZIARNISTA",
    "HERBATA CZARNA",      "CUKIER BIAŁY"_cp852,
    "WODA ŹRÓDLANA"_cp852, "PIECZEŃ WIEPRZ."_cp852,
    "ĆWIKŁA"_cp852,        "GRUSZKI",
};

// The register's payment names reach the program's payment chooser as they
// stand, without the code-page conversion goods names get: they are kept in
// the program's Windows-1250.
const std::array<const char*, 3> PlatnosciDemo{
    "KARTA PŁATNICZA"_w1250,
    "CZEK",
    "BON TOWAROWY",
};

std::string TekstNazw(const std::vector<std::string>& nazwy) {
    std::vector<std::string> linie{"#", "#", "#"};
    for (size_t i = 0; i < nazwy.size(); ++i)
        if (!nazwy[i].empty())
            linie.push_back("$" + std::to_string(i + 1) + "\t" + nazwy[i]);
    return ZlaczLinie(linie);
}

} // namespace

StanKasy::StanKasy(std::optional<fs::path> folder) : folder_(std::move(folder)) {
    UstawDemo();
    if (!folder_)
        return;
    fs::create_directories(*folder_);
    if (fs::exists(*folder_ / PlikKlawiszy))
        Wczytaj();
    else
        ZapiszWszystko();
}

void StanKasy::UstawDemo() {
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        towary_.UstawNazwe(n,
                           std::string(NazwyDemo[static_cast<size_t>(n - 1) % NazwyDemo.size()]) +
                               " " + std::to_string(n));
    for (size_t i = 0; i < platnosci_.size(); ++i)
        platnosci_[i] = PlatnosciDemo[i];
}

void StanKasy::Wczytaj() {
    TabliceKlawiszy klawisze;
    if (!CzytajPlikDefinicji(klawisze, *folder_ / PlikKlawiszy).poprawny)
        throw BladWejsciaWyjscia(*folder_ / PlikKlawiszy, "błędny wiersz definicji klawisza"_w1250);
    klawisze_ = klawisze;
    towary_.Wyczysc();
    CzytajTowary(CzytajLinie(*folder_ / PlikTowarow, GranicePlikuTowarow), towary_);
    const auto platnosci =
        CzytajPlatnosci(CzytajLinie(*folder_ / PlikPlatnosci, GranicePlikuPlatnosci));
    for (size_t i = 0; i < platnosci_.size(); ++i)
        platnosci_[i] = platnosci[i].value_or("");
}

void StanKasy::ZapiszWszystko() const {
    std::vector<std::string> towary;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        towary.push_back(towary_.Nazwa852(n));
    ZapiszAtomowo(*folder_ / PlikTowarow, TekstNazw(towary));
    ZapiszAtomowo(*folder_ / PlikPlatnosci, TekstNazw({platnosci_.begin(), platnosci_.end()}));
    ZapiszKlawisze(klawisze_);
}

void StanKasy::ZapiszKlawisze(const TabliceKlawiszy& klawisze) const {
    if (folder_)
        ZapiszAtomowo(*folder_ / PlikKlawiszy, TekstPlikuDefinicji(klawisze, "01"));
}

void StanKasy::UstawKlawisze(const TabliceKlawiszy& klawisze) {
    ZapiszKlawisze(klawisze);
    klawisze_ = klawisze;
}

} // namespace orbaklaw::emulator

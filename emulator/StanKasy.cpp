#include "emulator/StanKasy.h"
#include "files/StronyKodowe.h"

#include "emulator/Komunikaty.h"
#include "files/NazwyStale.h"
#include "files/PlikTekstowy.h"
#include "format/OdpowiedziKasy.h"
#include "format/PlikDefinicji.h"

#include <array>
#include <stdexcept>

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
    const auto wynik = fs::exists(*folder_ / PlikKlawiszy) ? Wczytaj() : ZapiszWszystko();
    if (!wynik)
        throw std::runtime_error(TekstBleduPliku(wynik.Blad())); // ends the emulator
}

void StanKasy::UstawDemo() {
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        towary_.UstawNazwe(n,
                           std::string(NazwyDemo[static_cast<size_t>(n - 1) % NazwyDemo.size()]) +
                               " " + std::to_string(n));
    for (size_t i = 0; i < platnosci_.size(); ++i)
        platnosci_[i] = PlatnosciDemo[i];
}

WynikPliku<void> StanKasy::Wczytaj() {
    TabliceKlawiszy klawisze;
    const auto odczyt = CzytajPlikDefinicji(klawisze, *folder_ / PlikKlawiszy);
    if (!odczyt)
        return odczyt.Blad();
    if (!odczyt->poprawny)
        return BladWejsciaWyjscia(*folder_ / PlikKlawiszy,
                                  "błędny wiersz definicji klawisza"_w1250);
    klawisze_ = klawisze;
    towary_.Wyczysc();
    const auto towary = CzytajLinie(*folder_ / PlikTowarow, GranicePlikuTowarow);
    if (!towary)
        return towary.Blad();
    CzytajTowary(*towary, towary_);
    const auto linie = CzytajLinie(*folder_ / PlikPlatnosci, GranicePlikuPlatnosci);
    if (!linie)
        return linie.Blad();
    const auto platnosci = CzytajPlatnosci(*linie);
    for (size_t i = 0; i < platnosci_.size(); ++i)
        platnosci_[i] = platnosci[i].value_or("");
    return {};
}

WynikPliku<void> StanKasy::ZapiszWszystko() const {
    std::vector<std::string> towary;
    for (int n = 1; n <= NajwiekszyNumerTowaru; ++n)
        towary.push_back(towary_.Nazwa852(n));
    if (auto w = ZapiszAtomowo(*folder_ / PlikTowarow, TekstNazw(towary)); !w)
        return w;
    if (auto w = ZapiszAtomowo(*folder_ / PlikPlatnosci,
                               TekstNazw({platnosci_.begin(), platnosci_.end()}));
        !w)
        return w;
    return ZapiszKlawisze(klawisze_);
}

WynikPliku<void> StanKasy::ZapiszKlawisze(const TabliceKlawiszy& klawisze) const {
    if (!folder_)
        return {};
    return ZapiszAtomowo(*folder_ / PlikKlawiszy, TekstPlikuDefinicji(klawisze, "01"));
}

WynikPliku<void> StanKasy::UstawKlawisze(const TabliceKlawiszy& klawisze) {
    if (auto w = ZapiszKlawisze(klawisze); !w)
        return w;
    klawisze_ = klawisze;
    return {};
}

} // namespace orbaklaw::emulator

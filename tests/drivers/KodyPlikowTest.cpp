// Codes 1..19: each from the bad file, name or configuration it describes.
#include "SrodowiskoKasy.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"
#include "files/GraniceOdczytu.h"
#include "files/PlikTekstowy.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orbaklaw::testy {
namespace {

namespace fs = std::filesystem;

struct Przypadek {
    const char* nazwa;
    std::function<void(SrodowiskoKasy&)> przygotuj;
    std::function<uint8_t()> wywolaj;
    uint8_t kod;
    bool zEmulatorem = false;
};

void PrintTo(const Przypadek& p, std::ostream* os) {
    *os << p.nazwa;
}

void Plik(const std::string& nazwa, const std::vector<std::string>& linie) {
    EXPECT_TRUE(ZapiszAtomowo(nazwa, ZlaczLinie(linie)));
}

void Nic(SrodowiskoKasy&) {}

class KodPliku : public ::testing::TestWithParam<Przypadek> {};

TEST_P(KodPliku, GivesItsCodeWithoutTouchingTheOutput) {
    const auto& p = GetParam();
    SrodowiskoKasy s;
    if (p.zEmulatorem)
        s.Uruchom({"--no-pacing"});
    s.Konfiguracja(1);
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    p.przygotuj(s);
    EXPECT_EQ(p.wywolaj(), p.kod);
    if (p.kod != 17) {
        EXPECT_FALSE(fs::exists("klawisz.txt"));
    }
}

const std::vector<std::string> Dobry{"#01", "#", "#", "$237\t0"};

INSTANTIATE_TEST_SUITE_P(
    Kasdrv, KodPliku,
    ::testing::Values(
        Przypadek{"InputKonfig", Nic, [] { return ODef("konfig.txt"); }, 1},
        Przypadek{"InputRaport", Nic, [] { return ZDef("dir/Raport.Txt"); }, 2},
        Przypadek{"NoOutputName", Nic, [] { return Towary("123.@#$", ""); }, 3},
        Przypadek{"OutputReserved", Nic, [] { return Plat("123.@#$", "RAPORT.TXT"); }, 4},
        // A link to a reserved file is that file.
        Przypadek{"OutputLinkedToKonfig", [](auto&) { fs::create_symlink("KONFIG.TXT", "k.txt"); },
                  [] { return ODef("123.@#$", "k.txt"); }, 4, true},
        Przypadek{"OutputHardLinkedToKonfig",
                  [](auto&) { fs::create_hard_link("KONFIG.TXT", "k.txt"); },
                  [] { return Towary("123.@#$", "k.txt"); }, 4, true},
        Przypadek{"OutputLinkedToRaport", [](auto&) { fs::create_symlink("RAPORT.TXT", "k.txt"); },
                  [] { return Plat("123.@#$", "k.txt"); }, 4, true},
        Przypadek{"SameNames", Nic, [] { return ODef("123.@#$", "./123.@#$"); }, 5},
        Przypadek{"InputMissing", Nic, [] { return ODef("nie-ma.txt"); }, 6},
        Przypadek{"InputIsAFifo", [](auto&) { ASSERT_EQ(mkfifo("k.txt", 0644), 0); },
                  [] { return ZDef("k.txt"); }, 6},
        Przypadek{"InputIsAFolder", [](auto&) { fs::create_directory("k.txt"); },
                  [] { return ZDef("k.txt"); }, 6},
        // A file larger, or of more lines, than any valid one holds wrong data.
        Przypadek{"InputTooLarge",
                  [](auto&) {
                      Plik("k.txt", Dobry);
                      fs::resize_file("k.txt", 3ull << 30); // sparse: no disk is used
                  },
                  [] { return ZDef("k.txt"); }, 12},
        Przypadek{"RequestOfTooManyLines",
                  [](auto&) {
                      Plik("123.@#$",
                           std::vector<std::string>(GranicePlikuDefinicji.linii + 1, "#"));
                  },
                  [] { return ODef(); }, 12},
        Przypadek{"ConfigMissing", [](auto&) { fs::remove("KONFIG.TXT"); }, [] { return ODef(); },
                  7},
        Przypadek{"OutputFolderMissing", Nic, [] { return ODef("123.@#$", "nie/ma/k.txt"); }, 8},
        Przypadek{"ReportIsAFolder", [](auto&) { fs::create_directory("raport.txt"); },
                  [] { return ODef(); }, 9},
        Przypadek{"RequestTwoLines",
                  [](auto&) {
                      Plik("123.@#$", {"#1", "#"});
                  },
                  [] { return ODef(); }, 10},
        Przypadek{"RequestWithoutNumber",
                  [](auto&) {
                      Plik("123.@#$", {"#", "#", "#"});
                  },
                  [] { return ODef(); }, 10},
        Przypadek{"RequestNotHash",
                  [](auto&) {
                      Plik("123.@#$", {"1", "#", "#"});
                  },
                  [] { return ODef(); }, 11},
        Przypadek{"DefinitionFlagMissing",
                  [](auto&) {
                      Plik("k.txt", {"#01", "#", "#", "$237\t1\t12\t1\t0"});
                  },
                  [] { return ZDef("k.txt"); }, 10},
        Przypadek{"DefinitionWord",
                  [](auto&) {
                      Plik("k.txt", {"#01", "#", "#", "$237\tx"});
                  },
                  [] { return ZDef("k.txt"); }, 11},
        Przypadek{"DefinitionKind7",
                  [](auto&) {
                      Plik("k.txt", {"#01", "#", "#", "$237\t7"});
                  },
                  [] { return ZDef("k.txt"); }, 12},
        Przypadek{"DefinitionFunction32",
                  [](auto&) {
                      Plik("k.txt", {"#01", "#", "#", "$238\t2\t32"});
                  },
                  [] { return ZDef("k.txt"); }, 12},
        Przypadek{"DeletionWithTab",
                  [](auto&) {
                      Plik("tmp.plk", {"#01", "#", "#", "$237\t0"});
                  },
                  [] { return KDef(); }, 11},
        Przypadek{"DeletionNoCodes",
                  [](auto&) {
                      Plik("tmp.plk", {"#01", "#", "#"});
                  },
                  [] { return KDef(); }, 10},
        Przypadek{"DeletionCodeTooBig",
                  [](auto&) {
                      Plik("tmp.plk", {"#01", "#", "#", "$70000"});
                  },
                  [] { return KDef(); }, 12},
        Przypadek{"ConfigIncomplete", [](auto& s) { s.Konfiguracja({"$01\tcom1:9600"}); },
                  [] { return ODef(); }, 13},
        Przypadek{"ConfigEmpty", [](auto& s) { s.Konfiguracja(std::vector<std::string>{}); },
                  [] { return ODef(); }, 13},
        Przypadek{"ConfigForAnotherRegister",
                  [](auto& s) { s.Konfiguracja({"$02\tcom1:9600:mux0:1\t1"}); },
                  [] { return ODef(); }, 14},
        Przypadek{"ConfigSpeed", [](auto& s) { s.Konfiguracja({"$01\tcom1:1200:mux0:1\t1"}); },
                  [] { return ODef(); }, 15},
        Przypadek{"ConfigTimeoutZero",
                  [](auto& s) { s.Konfiguracja({"$01\tcom1:9600:mux0:1\t0"}); },
                  [] { return ODef(); }, 15},
        Przypadek{"ConfigExtraField",
                  [](auto& s) { s.Konfiguracja({"$01\tcom1:9600:mux0:1\t1\tx"}); },
                  [] { return ODef(); }, 16},
        Przypadek{"ConfigLowerCaseName",
                  [](auto&) {
                      fs::rename("KONFIG.TXT", "konfig.txt");
                      Plik("konfig.txt", {"$01\tcom1:9600:mux0:1\t1\tx"});
                  },
                  [] { return ODef(); }, 16},
        Przypadek{"OutputCannotBeReplaced", [](auto&) { fs::create_directory("klawisz.txt"); },
                  [] { return ODef(); }, 17, true},
        // The report is only ever a regular file: a link under its name is
        // refused before the register is asked.
        Przypadek{"ReportCannotBeWritten",
                  [](auto&) { fs::create_symlink("/dev/full", "RAPORT.TXT"); },
                  [] { return ODef(); }, 9, true},
        Przypadek{"RegisterZero",
                  [](auto&) {
                      Plik("123.@#$", {"#0", "#", "#"});
                  },
                  [] { return ODef(); }, 19},
        Przypadek{"Register100",
                  [](auto&) {
                      Plik("k.txt", {"#100", "#", "#", "$237\t0"});
                  },
                  [] { return ZDef("k.txt"); }, 19}),
    [](const auto& p) { return std::string(p.param.nazwa); });

TEST(NazwaPliku, BufferWithoutTerminatorIsRefused) {
    SrodowiskoKasy s;
    s.Konfiguracja(1);
    BuforTekstu pelny;
    pelny.fill('a');
    EXPECT_EQ(__ZDefKlaw(pelny.data()), 6);
    EXPECT_EQ(__ODefKlaw(B("123.@#$").data(), pelny.data()), 8);
    EXPECT_EQ(__ZDefKlaw(nullptr), 6);
}

} // namespace
} // namespace orbaklaw::testy

// The line between the library and the register: which register a request
// reaches, who may use the port, late replies of earlier runs, progress.
#include "Procesy.h"
#include "SrodowiskoKasy.h"
#include "WolnaKasa.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"
#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace orbaklaw::testy {
namespace {

namespace fs = std::filesystem;

std::string Bajty(const fs::path& plik) {
    std::ifstream f(plik, std::ios::binary);
    std::ostringstream tresc;
    tresc << f.rdbuf();
    return tresc.str();
}

std::map<std::string, std::string> Zawartosc(const fs::path& folder) {
    std::map<std::string, std::string> pliki;
    for (const auto& w : fs::recursive_directory_iterator(folder))
        pliki[fs::relative(w.path(), folder).string()] = Bajty(w.path());
    return pliki;
}

std::string OstatniaLiniaRaportu() {
    auto linie = *CzytajLinie("RAPORT.TXT");
    return linie.empty() ? "" : linie.back();
}

TabliceKlawiszy Definicje(uint8_t funkcja) {
    TabliceKlawiszy t;
    t.KlawiszeBezp[1] = {0, Funkcja, funkcja, 0, 0, 0, 0, 0};
    return t;
}

// Nine payments among the counted keys: the register refuses them (229).
TabliceKlawiszy ZaDuzoPlatnosci() {
    TabliceKlawiszy t;
    for (size_t i = 0; i < 9; ++i)
        t.KlawiszeBezp[i] = {0, Platnosc, 1, 0, 0, 0, 0, 0};
    return t;
}

std::string PlikKasowania(const std::string& numer) {
    return ZlaczLinie({"#" + numer, "#", "#", "$237", "$238", "$1"});
}

// Register 03 on the line, KONFIG.TXT naming both 03 and 05.
class InnaKasa : public ::testing::Test {
protected:
    void SetUp() override {
        s.Uruchom({"--no-pacing", "--state", s.Stan(), "--number", "3"});
        s.Konfiguracja({"$03\tcom1:9600:mux0:1\t1", "$05\tcom1:9600:mux0:1\t1"});
        EXPECT_TRUE(ZapiszPlikDefinicji(Definicje(7), "klawisz.txt", "03"));
        ASSERT_EQ(ZDef(), 0); // something the register holds and must keep
    }
    SrodowiskoKasy s;
};

TEST_F(InnaKasa, AWriteForAnotherNumberChangesNothingInTheRegister) {
    const auto przed = Zawartosc(s.Stan());
    EXPECT_TRUE(ZapiszPlikDefinicji(Definicje(9), "klawisz.txt", "05"));
    EXPECT_EQ(ZDef(), 22);
    EXPECT_TRUE(Zawartosc(s.Stan()) == przed);
    EXPECT_NE(OstatniaLiniaRaportu().find("kod 22"), std::string::npos);
}

TEST_F(InnaKasa, ADeletionForAnotherNumberChangesNothingInTheRegister) {
    const auto przed = Zawartosc(s.Stan());
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", PlikKasowania("05")));
    EXPECT_EQ(KDef(), 22);
    EXPECT_TRUE(Zawartosc(s.Stan()) == przed);
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", PlikKasowania("03")));
    EXPECT_EQ(KDef(), 0);
    EXPECT_TRUE(Zawartosc(s.Stan()) != przed);
}

TEST(Multiplekser, AChannelThatNoMultiplexerTakesGivesTheNumberAdvice) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing"});
    s.Konfiguracja({"$01\tcom1:9600:mux1:2\t1"});
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    EXPECT_EQ(ODef(), 22);
}

// A run that timed out leaves its request with the register; the next run
// must not take the late answer to it for its own.
TEST(SpoznionaOdpowiedz, IsNeverTakenForTheAnswerOfTheNextRun) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--state", s.Stan(), "--fault", "slow", "--slow-ms", "1500"});
    EXPECT_TRUE(ZapiszPlikDefinicji(Definicje(4), "a.txt", "01"));
    EXPECT_TRUE(ZapiszPlikDefinicji(ZaDuzoPlatnosci(), "c.txt", "01"));
    s.Konfiguracja(1);
    EXPECT_EQ(WywolajWProcesie({"write", "a.txt"}), 21);
    s.Konfiguracja(6);
    EXPECT_EQ(WywolajWProcesie({"write", "c.txt"}), 229);
}

using ZajetyPort = WolnaKasa;

TEST_F(ZajetyPort, ACallOfAnotherProgramGives20AndSaysWhy) {
    ASSERT_EQ(InitializePort(1, 9600, 1, 1), 0);
    EXPECT_EQ(WywolajWProcesie({"read", "123.@#$", "k.txt"}), 20);
    const auto linia = OstatniaLiniaRaportu();
    EXPECT_NE(linia.find("kod 20"), std::string::npos) << linia;
    EXPECT_NE(linia.find(s.Link()), std::string::npos) << linia;
    EXPECT_NE(linia.find("zaj\352ty"), std::string::npos) << linia; // zajęty
    EXPECT_FALSE(fs::exists("k.txt"));

    UnInitializePort();
    EXPECT_EQ(WywolajWProcesie({"read", "123.@#$", "k.txt"}), 0);
}

class Raport : public ::testing::Test {
protected:
    void SetUp() override {
        s.Uruchom({"--no-pacing", "--state", s.Stan()});
        s.Konfiguracja(1);
        ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    }
    SrodowiskoKasy s;
};

TEST_F(Raport, IsNeverWrittenThroughASymbolicLink) {
    EXPECT_TRUE(ZapiszAtomowo("cel.txt", "nie ruszac\r\n"));
    fs::create_symlink("cel.txt", "RAPORT.TXT");
    EXPECT_EQ(ODef(), 9);
    EXPECT_EQ(Bajty("cel.txt"), "nie ruszac\r\n");
    EXPECT_FALSE(fs::exists("klawisz.txt"));
}

// A pipe under the name would hold the call until someone read it.
TEST_F(Raport, IsNeverAPipe) {
    ASSERT_EQ(mkfifo("RAPORT.TXT", 0644), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ODef(), 9);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(fs::exists("klawisz.txt"));
}

TEST_F(Raport, LogsTheResultTheCallReturns) {
    EXPECT_TRUE(ZapiszPlikDefinicji(ZaDuzoPlatnosci(), "klawisz.txt", "01"));
    EXPECT_EQ(ZDef(), 229);
    EXPECT_EQ(OstatniaLiniaRaportu().substr(OstatniaLiniaRaportu().rfind('\t') + 1), "kod 229");
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", ZlaczLinie({"#01", "#", "#", "$86"})));
    EXPECT_EQ(KDef(), 0);
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", ZlaczLinie({"#01", "#", "#", "$300"})));
    EXPECT_EQ(KDef(), 228);
    EXPECT_EQ(OstatniaLiniaRaportu().substr(OstatniaLiniaRaportu().rfind('\t') + 1), "kod 228");
}

// orbaklaw-cli runs the library in a folder of its own; the library appends
// its lines to the report that ORBAKLAW_RAPORT names straight away, so they
// never wait for the command to copy them.
TEST_F(Raport, GoesToTheFileTheEnvironmentNames) {
    fs::create_directory("wlasny");
    const fs::path inny = fs::current_path() / "uzytkownika.txt";
    setenv("ORBAKLAW_RAPORT", inny.c_str(), 1);
    fs::current_path("wlasny");
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    fs::copy_file("../KONFIG.TXT", "KONFIG.TXT");
    const uint8_t kod = ODef();
    fs::current_path("..");
    unsetenv("ORBAKLAW_RAPORT");
    EXPECT_EQ(kod, 0);
    EXPECT_FALSE(fs::exists("wlasny/RAPORT.TXT"));
    EXPECT_NE(Bajty(inny.string()).find("__ODefKlaw\tkasa 1\t"), std::string::npos);
}

// A request too long for one frame is refused before anything is sent.
TEST_F(Raport, AWriteTooLongForOneFrameIsRefusedWhole) {
    TabliceKlawiszy t;
    std::vector<std::string> linie = PodzielNaLinie(TekstPlikuDefinicji(t, "01"));
    // More keys than one frame carries, and more lines than any valid file
    // has: refused before anything goes out.
    for (int i = 0; i < 5000; ++i)
        linie.push_back("$60000\t0");
    EXPECT_TRUE(ZapiszAtomowo("klawisz.txt", ZlaczLinie(linie)));
    const auto przed = Zawartosc(s.Stan());
    EXPECT_EQ(ZDef(), 12);
    EXPECT_TRUE(Zawartosc(s.Stan()) == przed);
}

} // namespace
} // namespace orbaklaw::testy

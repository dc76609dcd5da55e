// orbaklaw-cli's register commands against orba-emu, run as a user would
// run them: in a folder with KONFIG.TXT, the register on COM1.

#include "SrodowiskoKasy.h"
#include "tests/cli/UruchomCli.h"

#include "keys/TabliceKlawiszy.h"
#include "transfer/PlikDefinicji.h"
#include "transfer/PlikTekstowy.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace orbaklaw;
using orbaklaw::test::UruchomCli;
using orbaklaw::test::WynikCli;

namespace {

namespace fs = std::filesystem;

TabliceKlawiszy Przyklad() {
    TabliceKlawiszy t;
    t.KlawiszeBezp[0] = {0, Towar, 0, 12, 1, 0, 1, 0};
    t.KlawiszeBezp[1] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    t.KlawiszeBezp[9] = {0, Platnosc, 8, 0, 0, 0, 0, 1050};
    t.KlawiszeLewyAlt[12] = {0, Platnosc, 2, 0, 0, 0, 0, 7};
    t.KlawiszePrawyAlt[4] = {0, Funkcja, 18, 0, 0, 0, 0, 0};
    t.KlawiszeObaAlt[8] = {0, Towar, 0, 511, 0, 1, 0, 0};
    return t;
}

std::string Tresc(const std::string& plik) {
    std::ifstream we(plik, std::ios::binary);
    std::ostringstream s;
    s << we.rdbuf();
    return s.str();
}

class KasaCli : public ::testing::Test {
protected:
    void SetUp() override {
        kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
        kasa.Konfiguracja(1);
    }
    // The definitions that the register holds, read by the command itself.
    TabliceKlawiszy Odczytane() {
        const WynikCli w = UruchomCli({"read", "odczyt.txt"});
        EXPECT_EQ(w.kod, 0) << w.err;
        TabliceKlawiszy t;
        EXPECT_TRUE(CzytajPlikDefinicji(t, "odczyt.txt").poprawny);
        return t;
    }
    testy::SrodowiskoKasy kasa;
};

TEST_F(KasaCli, WriteThenReadGivesBackEveryDefinition) {
    ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01");
    const WynikCli z = UruchomCli({"write", "moje.txt"});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(z.out, "Definicje klawiszy zapisano do kasy i do pliku klawisz.txt\n");
    EXPECT_EQ(Tresc("klawisz.txt"), Tresc("moje.txt")) << "the copy of what was sent";

    const WynikCli o = UruchomCli({"read", "odczyt.txt"});
    EXPECT_EQ(o.kod, 0) << o.err;
    EXPECT_EQ(o.out, "Odczytano definicje klawiszy z kasy do pliku odczyt.txt\n");
    EXPECT_EQ(Tresc("odczyt.txt"), TekstPlikuDefinicji(Przyklad(), "01"));
    EXPECT_FALSE(fs::exists("123.@#$"));
}

TEST_F(KasaCli, WriteSendsTheRegisterNumberOfTheConfiguration) {
    kasa.Uruchom({"--no-pacing", "--number", "7"});
    kasa.Konfiguracja({"$7\tcom1:9600:mux0:1\t1"});
    ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01");
    EXPECT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    EXPECT_EQ(Tresc("klawisz.txt"), TekstPlikuDefinicji(Przyklad(), "7"));
}

TEST_F(KasaCli, RefusalsExitWithThreeAndTheCodesMessage) {
    TabliceKlawiszy dziewiec;
    for (size_t i = 0; i < 9; ++i)
        dziewiec.KlawiszeBezp[i] = {0, Platnosc, 1, 0, 0, 0, 0, 100};
    ZapiszPlikDefinicji(dziewiec, "dziewiec.txt", "01");
    const WynikCli w = UruchomCli({"write", "dziewiec.txt"});
    EXPECT_EQ(w.kod, 3);
    EXPECT_EQ(w.err, "orbaklaw-cli: Kod 229: Brak miejsca na kwoty dla płatnosci z klawisza\n");
    EXPECT_EQ(w.out, "");
}

TEST_F(KasaCli, RegisterThatDoesNotAnswer) {
    ZapiszAtomowo("odczyt.txt", "stary\r\n");
    kasa.Zatrzymaj();
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read", "odczyt.txt"}, {"delete"}, {"goods", "towary-wy.txt"}, {"test"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 3) << w.err;
        EXPECT_NE(w.err.find("orbaklaw-cli: "), std::string::npos) << w.err;
        EXPECT_EQ(w.out, "");
    }
    EXPECT_EQ(Tresc("odczyt.txt"), "stary\r\n") << "a failed read leaves the output alone";
    EXPECT_FALSE(fs::exists("towary-wy.txt"));
    EXPECT_FALSE(fs::exists("123.@#$"));
}

TEST_F(KasaCli, WithoutConfigurationNothingIsSent) {
    fs::remove("KONFIG.TXT");
    ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01");
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read", "x.txt"}, {"write", "moje.txt"}, {"delete"}, {"goods", "x.txt"}, {"test"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 2);
        EXPECT_EQ(w.err,
                  "orbaklaw-cli: Należy ustawić parametry komunikacji (brak pliku KONFIG.TXT)\n");
    }
    EXPECT_FALSE(fs::exists("RAPORT.TXT"));
    EXPECT_FALSE(fs::exists("x.txt"));
}

TEST_F(KasaCli, BadDefinitionFileIsNotSent) {
    ZapiszAtomowo("zly.txt", ZlaczLinie({"#01", "#", "#", "$237\t1\t12\t1\t0\t2"}));
    const WynikCli w = UruchomCli({"write", "zly.txt"});
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.err, "orbaklaw-cli: Błędny format pliku wejsciowego$237\t1\t12\t1\t0\t2\n");
    EXPECT_EQ(UruchomCli({"write", "nie-ma.txt"}).kod, 2);
    EXPECT_FALSE(fs::exists("RAPORT.TXT"));
}

TEST_F(KasaCli, DeleteClearsTheCountedKeys) {
    ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01");
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    const WynikCli w = UruchomCli({"delete"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(w.out, "Skasowano definicje klawiszy\n");
    EXPECT_FALSE(fs::exists("tmp.plk"));
    TabliceKlawiszy zostaje = Przyklad();
    zostaje.WyczyscLiczone();
    EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(zostaje, "01"));
}

TEST_F(KasaCli, GoodsNamesInUtf8) {
    const WynikCli w = UruchomCli({"goods", "towary-wy.txt"});
    EXPECT_EQ(w.kod, 0) << w.err;
    const auto linie = PodzielNaLinie(Tresc("towary-wy.txt"));
    ASSERT_EQ(linie.size(), 511u);
    EXPECT_EQ(linie[0], "1\tCHLEB ŻYTNI 1");
    EXPECT_EQ(linie[12], "13\tĆWIKŁA 13");
    EXPECT_EQ(linie[510].substr(0, 4), "511\t");
}

TEST_F(KasaCli, TestIdentifiesTheRegister) {
    const WynikCli w = UruchomCli({"test"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(w.out, "Model: ORBA (0x6b)\nWersja programu kasy: 2\nNumer kasy: 01\n");

    kasa.Uruchom({"--no-pacing", "--model", "0x65", "--version", "1", "--number", "12"});
    const WynikCli inna = UruchomCli({"test"});
    EXPECT_EQ(inna.kod, 3);
    EXPECT_EQ(inna.out, "Model: TUMO 4095 (0x65)\nWersja programu kasy: 1\nNumer kasy: 12\n");
    EXPECT_EQ(inna.err, "orbaklaw-cli: Podłączone urządzenie nie jest kasą VARKO ORBA\n");
}

TEST_F(KasaCli, TestRefusesARegisterWithAnotherNumber) {
    kasa.Uruchom({"--no-pacing", "--number", "3"});
    const WynikCli w = UruchomCli({"test"});
    EXPECT_EQ(w.kod, 3);
    EXPECT_EQ(w.out, "Model: ORBA (0x6b)\nWersja programu kasy: 2\nNumer kasy: 03\n");
    EXPECT_EQ(
        w.err.rfind("orbaklaw-cli: Kod 22: Pod podanym skojarzeniem kasa o innym numerze.", 0), 0u)
        << w.err;
    // The number of KONFIG.TXT is compared as a number: "3" and "03" are one register.
    for (const char* numer : {"3", "03"}) {
        kasa.Konfiguracja({std::string("$") + numer + "\tcom1:9600:mux0:1\t1"});
        const WynikCli dobra = UruchomCli({"test"});
        EXPECT_EQ(dobra.kod, 0) << numer << dobra.err;
    }
}

TEST_F(KasaCli, UsageErrors) {
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read"}, {"write"}, {"goods"}, {"delete", "x"}, {"test", "x"}, {"read", "a", "b"}}) {
        SCOPED_TRACE(polecenie[0]);
        EXPECT_EQ(UruchomCli(polecenie).kod, 2);
    }
    const WynikCli pomoc = UruchomCli({"--help"});
    for (const char* p : {"read WY", "write PLIK", "delete", "goods WY", "test", "3 odmowa kasy"})
        EXPECT_NE(pomoc.out.find(p), std::string::npos) << p;
}

} // namespace

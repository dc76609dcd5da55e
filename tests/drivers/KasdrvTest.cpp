// The register-protocol library against the emulator, end to end.
#include "SrodowiskoKasy.h"
#include "Wywolania.h"

#include "comm/PlikZapytania.h"
#include "files/Konw852.h"
#include "files/PlikTekstowy.h"
#include "files/StronyKodowe.h"
#include "format/OdpowiedziKasy.h"
#include "format/PlikDefinicji.h"
#include "format/Towary.h"

#include <gtest/gtest.h>

namespace orbaklaw::testy {
namespace {

std::string Tresc(const std::string& plik) {
    return ZlaczLinie(*CzytajLinie(plik));
}

// Definitions that touch every kind, kept within the register's limits.
TabliceKlawiszy Przyklad() {
    TabliceKlawiszy t;
    t.KlawiszeBezp[0] = {0, Towar, 0, 12, 1, 0, 1, 0};
    t.KlawiszeBezp[1] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    t.KlawiszeBezp[9] = {0, Platnosc, 8, 0, 0, 0, 0, 1050};
    t.KlawiszeLewyAlt[12] = {0, Platnosc, 2, 0, 0, 0, 0, 0};
    t.KlawiszeObaAlt[8] = {0, Towar, 0, 511, 0, 1, 0, 0};
    return t;
}

TabliceKlawiszy Odczytane(const std::string& plik = "klawisz.txt") {
    TabliceKlawiszy t;
    EXPECT_TRUE(CzytajPlikDefinicji(t, plik)->poprawny);
    return t;
}

std::string PlikKasowania() {
    std::vector<std::string> linie{"#01", "#", "#"};
    for (int kod :
         {237, 238, 239, 240, 241, 242, 243, 244, 245, 1,  3,  5,  7,  8,  9,  10, 11, 12, 13,
          86,  44,  88,  42,  151, 47,  157, 58,  227, 85, 87, 32, 82, 83, 84, 76, 77, 78})
        linie.push_back("$" + std::to_string(kod));
    return ZlaczLinie(linie);
}

class Kasdrv : public ::testing::Test {
protected:
    void SetUp() override {
        s.Uruchom({"--no-pacing", "--state", s.Stan()});
        s.Konfiguracja(2);
        ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    }
    SrodowiskoKasy s;
};

TEST_F(Kasdrv, GoodsAndPaymentsArriveAsTheProgramReadsThem) {
    ASSERT_EQ(Towary(), 0);
    orbaklaw::Towary towary;
    CzytajTowary(*CzytajLinie("towary.txt"), towary);
    EXPECT_EQ(towary.Nazwa852(1), "CHLEB \275YTNI 1"); // CHLEB ŻYTNI in CP852
    EXPECT_EQ(towary.Nazwa(1), "CHLEB \257YTNI 1");    // and in Windows-1250
    EXPECT_FALSE(towary.Nazwa852(511).empty());

    ASSERT_EQ(Plat(), 0);
    auto platnosci = CzytajPlatnosci(*CzytajLinie("plat.txt"));
    EXPECT_EQ(platnosci[0], "KARTA P\243ATNICZA"); // KARTA PŁATNICZA, Windows-1250 as shown
    EXPECT_EQ(platnosci[2], "BON TOWAROWY");
}

TEST_F(Kasdrv, WrittenDefinitionsReadBackUnchanged) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "klawisz.txt", "01"));
    const std::string wyslany = Tresc("klawisz.txt");
    ASSERT_EQ(ZDef(), 0);
    std::filesystem::remove("klawisz.txt");
    ASSERT_EQ(ODef(), 0);
    EXPECT_EQ(Tresc("klawisz.txt"), wyslany);
}

TEST_F(Kasdrv, DeletionClearsTheCountedKeysOnly) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "klawisz.txt", "01"));
    ASSERT_EQ(ZDef(), 0);
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", PlikKasowania()));
    ASSERT_EQ(KDef(), 0);
    ASSERT_EQ(ODef(), 0);
    auto oczekiwane = Przyklad();
    oczekiwane.WyczyscLiczone();
    EXPECT_EQ(Tresc("klawisz.txt"), TekstPlikuDefinicji(oczekiwane, "01"));
    EXPECT_EQ(Odczytane().KlawiszeObaAlt[8].NrTowaru, 511);
}

TEST_F(Kasdrv, EveryExchangeLeavesABeginAndAnEndLine) {
    ASSERT_EQ(Towary(), 0);
    ASSERT_EQ(Plat(), 0);
    ASSERT_EQ(ODef(), 0);
    auto linie = *CzytajLinie("RAPORT.TXT");
    ASSERT_EQ(linie.size(), 6u);
    EXPECT_NE(linie[0].find("__TowarMax\tkasa 1\tcom1:9600:mux0:1\tpoczątek"_w1250),
              std::string::npos);
    EXPECT_NE(linie[1].find("__TowarMax\tkasa 1\tcom1:9600:mux0:1\tkod 0"), std::string::npos);
    EXPECT_NE(linie[5].find("__ODefKlaw\tkasa 1\tcom1:9600:mux0:1\tkod 0"), std::string::npos);
}

TEST_F(Kasdrv, AcknowledgedWriteSurvivesAKillAndRestart) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "klawisz.txt", "01"));
    const std::string wyslany = Tresc("klawisz.txt");
    ASSERT_EQ(ZDef(), 0);
    s.Emulator().Zabij();
    s.Uruchom({"--no-pacing", "--state", s.Stan()});
    ASSERT_EQ(ODef("123.@#$", "odczyt.txt"), 0);
    EXPECT_EQ(Tresc("odczyt.txt"), wyslany);
}

TEST_F(Kasdrv, FailedReadLeavesTheOldReplyFile) {
    EXPECT_TRUE(ZapiszAtomowo("klawisz.txt", "stary\r\n"));
    s.Uruchom({"--no-pacing", "--fault", "silent"});
    s.Konfiguracja(1);
    EXPECT_EQ(ODef(), 21);
    EXPECT_EQ(Tresc("klawisz.txt"), "stary\r\n");
}

struct Odmowa {
    const char* nazwa;
    std::vector<std::string> opcje;
    std::vector<std::string> linieKlawiszy;
    uint8_t kod;
};

void PrintTo(const Odmowa& p, std::ostream* os) {
    *os << p.nazwa;
}

class OdmowaKasy : public ::testing::TestWithParam<Odmowa> {};

// The register's own checks on a definition set, and the codes they give.
TEST_P(OdmowaKasy, GivesItsCodeAndStoresNothing) {
    const auto& p = GetParam();
    SrodowiskoKasy s;
    auto opcje = p.opcje;
    opcje.insert(opcje.end(), {"--no-pacing", "--state", s.Stan()});
    s.Uruchom(opcje);
    s.Konfiguracja(2);
    std::vector<std::string> linie{"#01", "#", "#"};
    linie.insert(linie.end(), p.linieKlawiszy.begin(), p.linieKlawiszy.end());
    EXPECT_TRUE(ZapiszAtomowo("klawisz.txt", ZlaczLinie(linie)));
    EXPECT_EQ(ZDef(), p.kod);
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 1));
    ASSERT_EQ(ODef("123.@#$", "odczyt.txt"), 0);
    if (p.kod != 0) {
        EXPECT_EQ(Tresc("odczyt.txt"), TekstPlikuDefinicji(TabliceKlawiszy{}, "01"));
    }
}

std::vector<std::string> Platnosci(int ile) {
    const int kody[] = {237, 238, 239, 240, 241, 242, 243, 244, 245, 1};
    std::vector<std::string> linie;
    for (int i = 0; i < ile; ++i)
        linie.push_back("$" + std::to_string(kody[i]) + "\t3\t1\t100\t0");
    linie.push_back("$246\t3\t1\t0\t0"); // an ALT function key: never counted
    return linie;
}

INSTANTIATE_TEST_SUITE_P(
    Kasa, OdmowaKasy,
    ::testing::Values(Odmowa{"EightCountedPaymentsFit", {}, Platnosci(8), 0},
                      Odmowa{"NinthCountedPayment", {}, Platnosci(9), 229},
                      Odmowa{"KeyCodeOfNoKey", {}, {"$100\t0"}, 228},
                      Odmowa{"GoodsZero", {}, {"$237\t1\t0\t0\t0\t0"}, 105},
                      Odmowa{"GoodsBeyondBase", {}, {"$237\t1\t512\t0\t0\t0"}, 105},
                      Odmowa{"PaymentFormFive", {}, {"$237\t3\t5\t0\t0"}, 115},
                      Odmowa{"FunctionZero", {}, {"$237\t2\t0\t"}, 208},
                      Odmowa{"EuroOnVersion1", {"--version", "1"}, {"$237\t3\t8\t0\t0"}, 25},
                      Odmowa{"Function18OnVersion1", {"--version", "1"}, {"$237\t2\t18\t"}, 25},
                      Odmowa{"EuroOnVersion2", {}, {"$237\t3\t8\t0\t0"}, 0}),
    [](const auto& p) { return std::string(p.param.nazwa); });

TEST(KasowanieKasy, KeyOutsideTheCountedSetIsRefused) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing"});
    s.Konfiguracja(2);
    EXPECT_TRUE(ZapiszAtomowo("tmp.plk", ZlaczLinie({"#01", "#", "#", "$237", "$246"})));
    EXPECT_EQ(KDef(), 228);
}

TEST(Multiplekser, EachChannelReachesItsOwnRegister) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--mux", "--state", s.Stan()});
    std::vector<std::string> konfiguracja;
    for (int n = 1; n <= 4; ++n)
        konfiguracja.push_back("$0" + std::to_string(n) + "\tcom1:9600:mux1:" + std::to_string(n) +
                               "\t2");
    s.Konfiguracja(konfiguracja);
    for (int n = 1; n <= 4; ++n) {
        TabliceKlawiszy t;
        t.KlawiszeBezp[0] = {0, Towar, 0, static_cast<uint16_t>(n), 0, 0, 0, 0};
        EXPECT_TRUE(ZapiszPlikDefinicji(t, "klawisz.txt", "0" + std::to_string(n)));
        ASSERT_EQ(ZDef(), 0) << n;
    }
    for (int n = 1; n <= 4; ++n) {
        ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", static_cast<unsigned>(n)));
        ASSERT_EQ(ODef(), 0) << n;
        EXPECT_EQ(Odczytane().KlawiszeBezp[0].NrTowaru, n);
    }
}

TEST(Multiplekser, ChannelOfAnotherRegisterGives22) {
    SrodowiskoKasy s;
    s.Uruchom({"--no-pacing", "--mux"});
    s.Konfiguracja({"$02\tcom1:9600:mux1:3\t2"});
    ASSERT_TRUE(UtworzPlikWejsciowy("123.@#$", 2));
    EXPECT_EQ(ODef(), 22);
}

} // namespace
} // namespace orbaklaw::testy

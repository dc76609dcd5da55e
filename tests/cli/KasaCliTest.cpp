// orbaklaw-cli's register commands against orba-emu, run as a user would
// run them: in a folder with KONFIG.TXT, the register on COM1.

#include "SrodowiskoKasy.h"
#include "tests/cli/UruchomCli.h"

#include "files/PlikTekstowy.h"
#include "format/PlikDefinicji.h"
#include "format/TabliceKlawiszy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
        setenv("ORBAKLAW_KOPIE", Kopie().c_str(), 1);
    }
    void TearDown() override { unsetenv("ORBAKLAW_KOPIE"); }
    fs::path Kopie() const { return kasa.Folder() / "kopie"; }
    size_t LiczbaKopii() const {
        std::error_code ec;
        size_t n = 0;
        for (fs::directory_iterator it(Kopie(), ec), end; !ec && it != end; it.increment(ec))
            ++n;
        return n;
    }
    // The definitions that the register holds, read by the command itself.
    TabliceKlawiszy Odczytane() {
        const WynikCli w = UruchomCli({"read", "odczyt.txt"});
        EXPECT_EQ(w.kod, 0) << w.err;
        TabliceKlawiszy t;
        EXPECT_TRUE(CzytajPlikDefinicji(t, "odczyt.txt")->poprawny);
        return t;
    }
    testy::SrodowiskoKasy kasa;
};

TEST_F(KasaCli, WriteThenReadGivesBackEveryDefinition) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const WynikCli z = UruchomCli({"write", "moje.txt"});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(z.out, "Definicje klawiszy zapisano do kasy i do pliku klawisz.txt\n"
                     "Zmiany klawiszy: +6 -0 ~0\n");
    EXPECT_EQ(Tresc("klawisz.txt"), Tresc("moje.txt")) << "the copy of what was sent";

    const WynikCli o = UruchomCli({"read", "odczyt.txt"});
    EXPECT_EQ(o.kod, 0) << o.err;
    EXPECT_EQ(o.out, "Odczytano definicje klawiszy z kasy do pliku odczyt.txt\n");
    EXPECT_EQ(Tresc("odczyt.txt"), TekstPlikuDefinicji(Przyklad(), "01"));
    EXPECT_FALSE(fs::exists("123.@#$"));
}

// --dry-run shows what write and delete would change and sends nothing.
TEST_F(KasaCli, DryRunShowsTheChangesAndSendsNothing) {
    TabliceKlawiszy inne = Przyklad();
    inne.KlawiszeBezp[1] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    inne.KlawiszeBezp[0] = {};
    inne.KlawiszeLewyAlt[0] = {0, Funkcja, 5, 0, 0, 0, 0, 0};
    EXPECT_TRUE(ZapiszPlikDefinicji(inne, "inne.txt", "01"));
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    const size_t kopie = LiczbaKopii();
    struct Przypadek {
        std::vector<std::string> argumenty;
        std::string out;
    };
    const std::vector<Przypadek> przypadki{
        {{"write", "inne.txt", "--dry-run"},
         "BEZP.\tF1\t1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu\tNIEZDEF.\n"
         "BEZP.\tF2\t2 - FUNKCJA: 05   WPŁATA DO KASY\t2 - FUNKCJA: 07   ZESTAW RAPORTÓW\n"
         "LEWY    ALT\tF1\tNIEZDEF.\t2 - FUNKCJA: 05   WPŁATA DO KASY\n"
         "Zmiany klawiszy: +1 -1 ~1\n"
         "Próba: nic nie wysłano do kasy\n"},
        {{"delete", "--dry-run"},
         "BEZP.\tF1\t1 - TOWAR: towar 12: Sprzedaż jednej sztuki, Zakończenie paragonu\tNIEZDEF.\n"
         "BEZP.\tF2\t2 - FUNKCJA: 05   WPŁATA DO KASY\tNIEZDEF.\n"
         "LEWY+PRAWY ALT\t0\t3 - PŁATNOŚĆ: EURO 10,50\tNIEZDEF.\n"
         "LEWY    ALT\t3\t3 - PŁATNOŚĆ: PŁATNOŚĆ  2 0,07\tNIEZDEF.\n"
         "Zmiany klawiszy: +0 -4 ~0\n"
         "Próba: nic nie wysłano do kasy\n"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.argumenty[0]);
        const WynikCli w = UruchomCli(p.argumenty);
        EXPECT_EQ(w.kod, 0) << w.err;
        EXPECT_EQ(w.out, p.out);
        EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(Przyklad(), "01"))
            << "nothing was sent";
        EXPECT_EQ(LiczbaKopii(), kopie) << "nor a backup taken";
    }
}

TEST_F(KasaCli, WriteSendsTheRegisterNumberOfTheConfiguration) {
    kasa.Uruchom({"--no-pacing", "--number", "7"});
    kasa.Konfiguracja({"$7\tcom1:9600:mux0:1\t1"});
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    EXPECT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    EXPECT_EQ(Tresc("klawisz.txt"), TekstPlikuDefinicji(Przyklad(), "7"));
}

TEST_F(KasaCli, RefusalsExitWithThreeAndTheCodesMessage) {
    TabliceKlawiszy dziewiec;
    for (size_t i = 0; i < 9; ++i)
        dziewiec.KlawiszeBezp[i] = {0, Platnosc, 1, 0, 0, 0, 0, 100};
    EXPECT_TRUE(ZapiszPlikDefinicji(dziewiec, "dziewiec.txt", "01"));
    const WynikCli w = UruchomCli({"write", "dziewiec.txt", "--no-backup"});
    EXPECT_EQ(w.kod, 3);
    EXPECT_EQ(w.err, "orbaklaw-cli: Kod 229: Brak miejsca na kwoty dla płatnosci z klawisza\n");
    EXPECT_EQ(w.out, "");
}

TEST_F(KasaCli, RegisterThatDoesNotAnswer) {
    EXPECT_TRUE(ZapiszAtomowo("odczyt.txt", "stary\r\n"));
    kasa.Zatrzymaj();
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read", "odczyt.txt"}, {"delete"}, {"goods", "towary-wy.txt"}, {"test"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 5) << w.err;
        EXPECT_NE(w.err.find("orbaklaw-cli: "), std::string::npos) << w.err;
        EXPECT_EQ(w.out, "");
    }
    EXPECT_EQ(Tresc("odczyt.txt"), "stary\r\n") << "a failed read leaves the output alone";
    EXPECT_FALSE(fs::exists("towary-wy.txt"));
    EXPECT_FALSE(fs::exists("123.@#$"));
}

TEST_F(KasaCli, WithoutConfigurationNothingIsSent) {
    fs::remove("KONFIG.TXT");
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
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
    EXPECT_TRUE(ZapiszAtomowo("zly.txt", ZlaczLinie({"#01", "#", "#", "$237\t1\t12\t1\t0\t2"})));
    const WynikCli w = UruchomCli({"write", "zly.txt"});
    EXPECT_EQ(w.kod, 1);
    EXPECT_EQ(w.err, "orbaklaw-cli: zly.txt: Błędny format pliku wejsciowego, linia 4: "
                     "$237\t1\t12\t1\t0\t2\n");
    EXPECT_EQ(UruchomCli({"write", "nie-ma.txt"}).kod, 2);
    EXPECT_FALSE(fs::exists("RAPORT.TXT"));
}

// A file that defines no key, or whose lines don't all reach a key, is not
// sent: the register keeps its definitions.
TEST_F(KasaCli, AFileThatLosesLinesIsNotSent) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    for (const std::string tresc : {"", "\r\r", "#01\r\n#\r\n#\r\n$999\t0\r\n$237\t0\r\n",
                                    "#01\r\n#\r\n#\r\n$237\t0\r\n$237\t0\r\n"}) {
        SCOPED_TRACE(tresc);
        EXPECT_TRUE(ZapiszAtomowo("zle.txt", tresc));
        const WynikCli w = UruchomCli({"write", "zle.txt", "--no-backup"});
        EXPECT_EQ(w.kod, 2);
        EXPECT_NE(w.err.find("nic nie wysłano do kasy (klawisze kasuje polecenie delete)"),
                  std::string::npos)
            << w.err;
        EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(Przyklad(), "01"));
    }
}

TEST_F(KasaCli, DeleteClearsTheCountedKeys) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
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
    EXPECT_EQ(w.kod, 6);
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

// The path that "Kopia definicji klawiszy z kasy: " names on stderr.
std::string SciezkaKopii(const std::string& err) {
    const std::string znak = "orbaklaw-cli: Kopia definicji klawiszy z kasy: ";
    const size_t p = err.find(znak);
    if (p == std::string::npos)
        return {};
    const size_t poczatek = p + znak.size();
    return err.substr(poczatek, err.find('\n', poczatek) - poczatek);
}

TEST_F(KasaCli, WriteAndDeleteFirstKeepTheRegistersDefinitions) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"write", "moje.txt"}, {"delete"}, {"write", "moje.txt"}}) {
        SCOPED_TRACE(polecenie[0]);
        ASSERT_EQ(UruchomCli({"read", "przed.txt"}).kod, 0);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 0) << w.err;
        const std::string kopia = SciezkaKopii(w.err);
        ASSERT_FALSE(kopia.empty()) << w.err;
        EXPECT_EQ(fs::path(kopia).parent_path(), Kopie());
        EXPECT_EQ(fs::path(kopia).filename().string().substr(0, 7), "kasa01-");
        EXPECT_EQ(Tresc(kopia), Tresc("przed.txt"));
    }
    EXPECT_EQ(LiczbaKopii(), 3u);
    // A backup folder named with Polish letters.
    setenv("ORBAKLAW_KOPIE", (kasa.Folder() / "Kopie zażółć").c_str(), 1);
    const WynikCli w = UruchomCli({"delete"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(fs::path(SciezkaKopii(w.err)).parent_path(), kasa.Folder() / "Kopie zażółć");
    EXPECT_TRUE(fs::is_regular_file(SciezkaKopii(w.err)));
}

TEST_F(KasaCli, WithoutABackupNothingIsSentUnlessAskedSo) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    TabliceKlawiszy inne;
    inne.KlawiszeBezp[3] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    EXPECT_TRUE(ZapiszPlikDefinicji(inne, "inne.txt", "01"));
    // A register that answers NAK can't give its definitions for the backup.
    kasa.Uruchom({"--no-pacing", "--state", kasa.Stan(), "--fault", "nak"});
    for (const auto& polecenie :
         std::vector<std::vector<std::string>>{{"write", "inne.txt"}, {"delete"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_NE(w.kod, 0);
        EXPECT_NE(w.err.find("Nie odczytano definicji z kasy do kopii zapasowej: nic nie "
                             "wysłano (--no-backup pomija kopię)"),
                  std::string::npos)
            << w.err;
        EXPECT_EQ(w.out, "");
    }
    kasa.Uruchom({"--no-pacing", "--state", kasa.Stan()});
    EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(Przyklad(), "01"))
        << "nothing reached the register";
    const size_t kopie = LiczbaKopii();
    const WynikCli bez = UruchomCli({"write", "inne.txt", "--no-backup"});
    EXPECT_EQ(bez.kod, 0) << bez.err;
    EXPECT_EQ(bez.err, "");
    EXPECT_EQ(LiczbaKopii(), kopie);
    EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(inne, "01"));
}

TEST_F(KasaCli, ABackupFolderThatCannotBeMadeStopsTheWrite) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    TabliceKlawiszy inne;
    inne.KlawiszeBezp[3] = {0, Funkcja, 7, 0, 0, 0, 0, 0};
    EXPECT_TRUE(ZapiszPlikDefinicji(inne, "inne.txt", "01"));
    // A file where the backup folder's parent should be.
    std::ofstream(kasa.Folder() / "zażółć.txt") << "x";
    const std::string folder = (kasa.Folder() / "zażółć.txt" / "kopie").string();
    setenv("ORBAKLAW_KOPIE", folder.c_str(), 1);
    const WynikCli w = UruchomCli({"write", "inne.txt"});
    EXPECT_EQ(w.kod, 2);
    EXPECT_EQ(w.err, "orbaklaw-cli: Nie zachowano kopii definicji z kasy, nic nie wysłano: " +
                         folder + ": Składnik ścieżki nie jest katalogiem\n");
    EXPECT_EQ(TekstPlikuDefinicji(Odczytane(), "01"), TekstPlikuDefinicji(Przyklad(), "01"))
        << "nothing reached the register";
}

TEST_F(KasaCli, VerifyComparesTheRegisterWithAFile) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const WynikCli z = UruchomCli({"write", "moje.txt", "--verify"});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(z.out, "Definicje klawiszy zapisano do kasy i do pliku klawisz.txt\n");
    // Another register number in the file's first line is no difference.
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje-7.txt", "7"));
    for (const char* plik : {"moje.txt", "moje-7.txt"}) {
        const WynikCli w = UruchomCli({"verify", plik});
        EXPECT_EQ(w.kod, 0) << plik << w.err;
        EXPECT_EQ(w.out, "") << plik;
    }
    TabliceKlawiszy inne = Przyklad();
    inne.KlawiszeBezp[1] = {0, Funkcja, 6, 0, 0, 0, 0, 0};
    inne.KlawiszeBezp[2] = {0, Towar, 0, 3, 0, 0, 0, 0};
    EXPECT_TRUE(ZapiszPlikDefinicji(inne, "inne.txt", "01"));
    const WynikCli w = UruchomCli({"verify", "inne.txt"});
    EXPECT_EQ(w.kod, 4) << w.err;
    EXPECT_EQ(w.out, "BEZP.\tF2\t2 - FUNKCJA: 06   WYPŁATA Z KASY\t2 - FUNKCJA: 05   WPŁATA DO "
                     "KASY\nBEZP.\tF3\t1 - TOWAR: towar 3\tNIEZDEF.\n");
    EXPECT_EQ(UruchomCli({"verify", "nie-ma.txt"}).kod, 2);
    EXPECT_EQ(UruchomCli({"verify", "a", "b"}).kod, 2);
}

TEST_F(KasaCli, ExchangesLeaveTheConfigurationAloneAndReportInRaport) {
    const std::string konfiguracja = Tresc("KONFIG.TXT");
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    // read: one exchange; write: the backup, the write and the read back;
    // delete: the backup and the deletion. Each exchange has its begin line
    // and its end line.
    const std::pair<std::vector<std::string>, size_t> polecenia[] = {
        {{"read", "odczyt.txt"}, 2}, {{"write", "moje.txt"}, 8}, {{"delete"}, 12}};
    for (const auto& [polecenie, linie] : polecenia) {
        SCOPED_TRACE(polecenie[0]);
        EXPECT_EQ(UruchomCli(polecenie).kod, 0);
        EXPECT_EQ(PodzielNaLinie(Tresc("RAPORT.TXT")).size(), linie);
        EXPECT_EQ(Tresc("KONFIG.TXT"), konfiguracja);
        for (const char* roboczy : {"123.@#$", "tmp.plk", "towary.txt"})
            EXPECT_FALSE(fs::exists(roboczy)) << roboczy;
    }
}

TEST_F(KasaCli, ProgressOnlyOnATerminal) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const std::pair<std::vector<std::string>, const char*> polecenia[] = {
        {{"read", "odczyt.txt"}, "Odczyt definicji z kasy"},
        {{"write", "moje.txt"}, "Zapis definicji do kasy"},
        {{"verify", "moje.txt"}, "Odczyt definicji z kasy"},
        {{"goods", "towary-wy.txt"}, "Odczyt towarów z kasy"},
        {{"delete"}, "Kasowanie definicji w kasie"}};
    for (const auto& [polecenie, opis] : polecenia) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli terminal = test::UruchomCliZTerminalem(polecenie);
        EXPECT_EQ(terminal.kod, 0) << terminal.err;
        EXPECT_NE(terminal.err.find(std::string("\r") + opis), std::string::npos) << terminal.err;
        const WynikCli potok = UruchomCli(polecenie);
        EXPECT_EQ(potok.kod, 0) << potok.err;
        EXPECT_EQ(potok.err.find(opis), std::string::npos) << potok.err;
        EXPECT_EQ(potok.err.find('\r'), std::string::npos) << potok.err;
    }
}

TEST_F(KasaCli, OutputsAreNeverTheLibrarysOwnFiles) {
    const std::string konfiguracja = Tresc("KONFIG.TXT");
    // Never a real device: a broken check would replace it.
    ASSERT_EQ(::mkfifo("potok.txt", 0600), 0);
    for (const auto& polecenie : std::vector<std::vector<std::string>>{{"read", "konfig.txt"},
                                                                       {"read", "KONFIG.TXT"},
                                                                       {"read", "sub/Raport.txt"},
                                                                       {"goods", "RAPORT.TXT"},
                                                                       {"goods", "/dev/null"}}) {
        SCOPED_TRACE(polecenie[0] + " " + polecenie[1]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 2);
        EXPECT_EQ(w.err.rfind("orbaklaw-cli: ", 0), 0u) << w.err;
        EXPECT_EQ(w.out, "");
    }
    EXPECT_EQ(Tresc("KONFIG.TXT"), konfiguracja);
    size_t konfiguracje = 0;
    for (const auto& p : fs::directory_iterator("."))
        konfiguracje +=
            p.path().filename().string().size() == 10 &&
            (p.path().filename() == "KONFIG.TXT" || p.path().filename() == "konfig.txt");
    EXPECT_EQ(konfiguracje, 1u) << "no second configuration beside KONFIG.TXT";
    EXPECT_FALSE(fs::exists("RAPORT.TXT")) << "nothing was sent";
}

TEST_F(KasaCli, PolishPathsInEveryRegisterCommand) {
    fs::create_directory("Wkładki");
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "Wkładki/zażółć.txt", "01"));
    fs::copy_file("KONFIG.TXT", "Wkładki/konfiguracja-zażółć.txt");
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"write", "Wkładki/zażółć.txt"},
             {"verify", "Wkładki/zażółć.txt"},
             {"read", "Wkładki/odczyt-zażółć.txt"},
             {"goods", "Wkładki/towary-zażółć.txt"},
             {"test", "--config", "Wkładki/konfiguracja-zażółć.txt"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 0) << w.err;
    }
    EXPECT_EQ(Tresc("Wkładki/odczyt-zażółć.txt"), Tresc("Wkładki/zażółć.txt"));
    EXPECT_EQ(PodzielNaLinie(Tresc("Wkładki/towary-zażółć.txt")).size(), 511u);
    // Messages show the paths as they were given.
    const std::pair<std::vector<std::string>, std::string> bledy[] = {
        {{"read", "Wkładki/brak/odczyt.txt"}, "Wkładki/brak/odczyt.txt"},
        {{"goods", "Wkładki/brak/towary.txt"}, "Wkładki/brak/towary.txt"},
        {{"write", "Wkładki/brak.txt"}, "Wkładki/brak.txt"},
        {{"read", "x.txt", "--config", "Wkładki/brak.txt"}, "Wkładki/brak.txt"}};
    for (const auto& [polecenie, sciezka] : bledy) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 2);
        EXPECT_NE(w.err.find("orbaklaw-cli: " + sciezka + ": Nie ma takiego pliku ani katalogu\n"),
                  std::string::npos)
            << w.err;
    }
}

TEST_F(KasaCli, ExitCodesTellRefusalsFromLineFaultsAndAnotherRegister) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    struct Przypadek {
        std::vector<std::string> emulator;
        int kod;
        const char* kodBiblioteki;
    };
    const Przypadek przypadki[] = {
        {{"--fault", "nak"}, 5, "Kod 24: "},
        {{"--fault", "corrupt"}, 5, "Kod 23: "},
        {{"--fault", "silent"}, 5, "Kod 21: "},
        {{"--number", "3"}, 6, "Kod 22: "},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.kodBiblioteki);
        std::vector<std::string> opcje{"--no-pacing"};
        opcje.insert(opcje.end(), p.emulator.begin(), p.emulator.end());
        kasa.Uruchom(opcje);
        for (const auto& polecenie : std::vector<std::vector<std::string>>{
                 {"read", "odczyt.txt"}, {"write", "moje.txt", "--no-backup"}, {"delete"}}) {
            SCOPED_TRACE(polecenie[0]);
            const WynikCli w = UruchomCli(polecenie);
            EXPECT_EQ(w.kod, p.kod) << w.err;
            EXPECT_NE(w.err.find(p.kodBiblioteki), std::string::npos) << w.err;
        }
    }
}

TEST_F(KasaCli, RegisterMessagesFitATerminal) {
    const std::string rada = "Sprawdź KONFIG.TXT lub opcje --config, --port, --register.\n";
    kasa.Uruchom({"--no-pacing", "--number", "3"});
    const WynikCli inna = UruchomCli({"read", "x.txt"});
    EXPECT_EQ(inna.err,
              "orbaklaw-cli: Kod 22: Pod podanym skojarzeniem kasa o innym numerze.\n" + rada);
    EXPECT_EQ(UruchomCli({"test"}).err,
              "orbaklaw-cli: Kod 22: Pod podanym skojarzeniem kasa o innym numerze.\n" + rada);
    kasa.Uruchom({"--no-pacing", "--fault", "silent"});
    const WynikCli cisza = UruchomCli({"read", "x.txt"});
    EXPECT_EQ(cisza.err, "orbaklaw-cli: Kod 21: Wystąpił timeout odbierania. \n"
                         "Możliwe przyczyny błędu: \n"
                         "- kasa nie jest podłączona do komputera,\n"
                         "- kasa nie jest włączona,\n"
                         "- kasa jest podłączona do innego portu szeregowego\n"
                         "  niż wybrany w programie orbaklaw,\n"
                         "- w kasie jest wybrana inna szybkość transmisji\n"
                         "  niż w programie orbaklaw.\n");
    kasa.Konfiguracja({"$01\tcom1:9600:mux0:1"});
    for (const auto& polecenie :
         std::vector<std::vector<std::string>>{{"read", "x.txt"}, {"test"}}) {
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.err, "orbaklaw-cli: Kod 13: Niekompletne dane w pliku konfiguracji.\n" + rada)
            << polecenie[0];
    }
    for (const auto& w : {inna, cisza})
        EXPECT_EQ(w.err.find("POŁĄCZENIE"), std::string::npos);
}

// The link of RAPORT.TXT's last line: "kasa N TAB comP:SPEED:muxM:CHANNEL".
std::string OstatnieLacze() {
    const auto linie = PodzielNaLinie(Tresc("RAPORT.TXT"));
    if (linie.empty())
        return {};
    const std::string& l = linie.back();
    const size_t kasa = l.find("\tkasa ");
    return l.substr(kasa + 1, l.rfind("\tkod ") - kasa - 1);
}

TEST_F(KasaCli, OptionsOverrideTheConfiguration) {
    // KONFIG.TXT names a port with no register behind it (COM2, /dev/ttyS1).
    unsetenv("ORBAKLAW_COM2");
    kasa.Konfiguracja({"$01\tcom2:9600:mux0:1\t5", "$07\tcom2:9600:mux0:1\t5"});
    const std::string konfiguracja = Tresc("KONFIG.TXT");
    struct Przypadek {
        std::vector<std::string> opcje;
        std::string lacze;
    };
    const Przypadek przypadki[] = {
        {{"--port", kasa.Link()}, "kasa 1\tcom1:9600:mux0:1"},
        {{"--port", "COM1"}, "kasa 1\tcom1:9600:mux0:1"},
        {{"--port", "com1", "--speed", "19200"}, "kasa 1\tcom1:19200:mux0:1"},
        {{"--port", "COM1", "--timeout", "2", "--speed", "9600"}, "kasa 1\tcom1:9600:mux0:1"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opcje[1]);
        std::vector<std::string> polecenie{"read", "odczyt.txt"};
        polecenie.insert(polecenie.end(), p.opcje.begin(), p.opcje.end());
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 0) << w.err;
        EXPECT_EQ(OstatnieLacze(), p.lacze);
        const WynikCli t = UruchomCli({"test", p.opcje[0], p.opcje[1]});
        EXPECT_EQ(t.kod, 0) << t.err;
    }
    // --register: the register's own line, its number in what is sent.
    kasa.Uruchom({"--no-pacing", "--number", "7"});
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const WynikCli z = UruchomCli({"write", "moje.txt", "--register", "07", "--port", "COM1"});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(Tresc("klawisz.txt"), TekstPlikuDefinicji(Przyklad(), "07"));
    EXPECT_EQ(OstatnieLacze(), "kasa 7\tcom1:9600:mux0:1");
    EXPECT_EQ(UruchomCli({"test", "--register", "7", "--port", "COM1"}).kod, 0);
    EXPECT_EQ(UruchomCli({"test", "--port", "COM1"}).kod, 6) << "KONFIG.TXT's number is 01";
    EXPECT_EQ(Tresc("KONFIG.TXT"), konfiguracja) << "never written";
}

TEST_F(KasaCli, MultiplexerChannelAndTimeoutOptions) {
    // Behind the multiplexer, channel n holds register n.
    kasa.Uruchom({"--no-pacing", "--mux"});
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const WynikCli z = UruchomCli({"write", "moje.txt", "--mux", "2", "--register", "2"});
    EXPECT_EQ(z.kod, 0) << z.err;
    EXPECT_EQ(OstatnieLacze(), "kasa 2\tcom1:9600:mux1:2");
    ASSERT_EQ(UruchomCli({"read", "kanal2.txt", "--mux", "2", "--register", "2"}).kod, 0);
    ASSERT_EQ(UruchomCli({"read", "kanal3.txt", "--mux", "3", "--register", "3"}).kod, 0);
    EXPECT_EQ(Tresc("kanal2.txt"), TekstPlikuDefinicji(Przyklad(), "02"));
    EXPECT_NE(Tresc("kanal3.txt"), Tresc("kanal2.txt"));
    // A silent register: KONFIG.TXT waits 30 s, --timeout 1 gives up at once.
    kasa.Uruchom({"--no-pacing", "--fault", "silent"});
    kasa.Konfiguracja(30);
    const auto start = std::chrono::steady_clock::now();
    const WynikCli w = UruchomCli({"read", "x.txt", "--timeout", "1"});
    EXPECT_EQ(w.kod, 5);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
}

TEST_F(KasaCli, ConfigurationElsewhereOrOnlyOptions) {
    fs::create_directory("inne");
    fs::rename("KONFIG.TXT", "inne/k.txt");
    EXPECT_EQ(UruchomCli({"read", "a.txt", "--config", "inne/k.txt"}).kod, 0);
    EXPECT_EQ(UruchomCli({"test", "--config", "inne/k.txt"}).kod, 0);
    // Without a configuration the port and the number are enough.
    const WynikCli w = UruchomCli({"read", "b.txt", "--port", kasa.Link(), "--register", "1"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(OstatnieLacze(), "kasa 1\tcom1:9600:mux0:1");
    EXPECT_EQ(UruchomCli({"read", "c.txt", "--port", kasa.Link()}).kod, 2) << "no number";
    EXPECT_FALSE(fs::exists("KONFIG.TXT"));
    const WynikCli brak = UruchomCli({"read", "d.txt", "--config", "inne/brak.txt"});
    EXPECT_EQ(brak.kod, 2);
    EXPECT_EQ(brak.err, "orbaklaw-cli: inne/brak.txt: Nie ma takiego pliku ani katalogu\n");
    // A KONFIG.TXT that is there but can't be read is not a missing one.
    fs::create_symlink("KONFIG.TXT", "KONFIG.TXT");
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read", "e.txt", "--port", kasa.Link()}, {"test"}}) {
        const WynikCli petla = UruchomCli(polecenie);
        EXPECT_EQ(petla.kod, 2);
        EXPECT_EQ(petla.err, "orbaklaw-cli: KONFIG.TXT: Za dużo dowiązań symbolicznych\n");
    }
    fs::remove("KONFIG.TXT");
}

TEST_F(KasaCli, APortThatCannotBeOpenedIsNamed) {
    for (const auto& polecenie :
         std::vector<std::vector<std::string>>{{"read", "x.txt", "--port", "/nie/ma/ttyUSB0"},
                                               {"write", "x.txt", "--port", "/nie/ma/ttyUSB0"},
                                               {"test", "--port", "/nie/ma/ttyUSB0"}}) {
        SCOPED_TRACE(polecenie[0]);
        if (polecenie[0] == "write") {
            EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "x.txt", "01"));
        }
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 5);
        EXPECT_NE(w.err.find("/nie/ma/ttyUSB0"), std::string::npos) << w.err;
    }
    for (const auto& zle : std::vector<std::vector<std::string>>{{"--speed", "4800"},
                                                                 {"--register", "100"},
                                                                 {"--register", "x"},
                                                                 {"--timeout", "0"},
                                                                 {"--timeout", "1001"},
                                                                 {"--mux", "5"},
                                                                 {"--port", ""},
                                                                 {"--port", "COM10"},
                                                                 {"--port", "com0"},
                                                                 {"--port"},
                                                                 {"--bogus"}}) {
        std::vector<std::string> polecenie{"read", "x.txt"};
        polecenie.insert(polecenie.end(), zle.begin(), zle.end());
        EXPECT_EQ(UruchomCli(polecenie).kod, 2) << zle[0];
    }
}

// A port assignment file that can't be used is named with its line, in
// every register command; the port's default device is not tried instead.
TEST_F(KasaCli, AnUnusablePortAssignmentIsNamed) {
    const fs::path xdg = kasa.Folder() / "xdg";
    fs::create_directories(xdg / "orbaklaw");
    EXPECT_TRUE(ZapiszAtomowo(xdg / "orbaklaw" / "porty.txt", "# porty\r\nCOM1=\r\n"));
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const std::string link = std::getenv("ORBAKLAW_COM1");
    unsetenv("ORBAKLAW_COM1");
    setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    for (const auto& polecenie :
         std::vector<std::vector<std::string>>{{"read", "x.txt"},
                                               {"write", "moje.txt"},
                                               {"test"},
                                               {"read", "x.txt", "--port", "COM1"}}) {
        SCOPED_TRACE(polecenie[0]);
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 2);
        EXPECT_EQ(w.err, "orbaklaw-cli: Błędny plik przypisania portów COM: " +
                             (xdg / "orbaklaw" / "porty.txt").string() +
                             ": linia 2: brak urządzenia po znaku =\n");
    }
    setenv("ORBAKLAW_COM1", link.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(KasaCli, RegisterCommandsAsJson) {
    if (!test::JestJq())
        GTEST_SKIP() << "jq is not installed (scripts/setup installs it)";
    const WynikCli t = UruchomCli({"test", "--json"});
    EXPECT_EQ(t.kod, 0) << t.err;
    EXPECT_TRUE(test::Jq(t.out, ".model == \"ORBA\" and .bajtModelu == 107 and .wersja == 2 and "
                                ".numerKasy == 1 and .orba"))
        << t.out;
    const WynikCli g = UruchomCli({"goods", "--json"});
    EXPECT_EQ(g.kod, 0) << g.err;
    EXPECT_TRUE(test::Jq(g.out, ".plik == null and (.towary | length == 511) and .towary[0] == "
                                "{\"numer\": 1, \"nazwa\": \"CHLEB ŻYTNI 1\"}"))
        << g.out.substr(0, 200);
    const WynikCli gp = UruchomCli({"goods", "t.txt", "--json"});
    EXPECT_EQ(gp.kod, 0);
    EXPECT_TRUE(test::Jq(gp.out, ".plik == \"t.txt\" and (.towary | length == 511)"));
    EXPECT_EQ(PodzielNaLinie(Tresc("t.txt")).size(), 511u);

    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    ASSERT_EQ(UruchomCli({"write", "moje.txt"}).kod, 0);
    const WynikCli v = UruchomCli({"verify", "moje.txt", "--json"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_TRUE(test::Jq(v.out, ".rowne and (.roznice | length == 0)")) << v.out;
    EXPECT_TRUE(ZapiszPlikDefinicji(TabliceKlawiszy{}, "puste.txt", "01"));
    const WynikCli r = UruchomCli({"verify", "puste.txt", "--json"});
    EXPECT_EQ(r.kod, 4);
    EXPECT_TRUE(test::Jq(r.out, "(.roznice | length == 6) and .roznice[0].a.rodzaj == 0 and "
                                ".roznice[0].b.nrTowaru == 12"))
        << r.out;
    kasa.Zatrzymaj();
    const WynikCli brak = UruchomCli({"test", "--json"});
    EXPECT_EQ(brak.kod, 5);
    EXPECT_EQ(brak.out, "");
    EXPECT_NE(brak.err, "");
}

// Runs in the fixture's folder, which may hold the register's reply files.
TEST_F(KasaCli, ShowNamesGoodsAndPayments) {
    EXPECT_TRUE(
        ZapiszAtomowo("plan.txt", ZlaczLinie({"#01", "#", "#", "$237\t1\t12\t1\t0\t1",
                                              "$238\t3\t1\t500\t0", "$239\t3\t8\t100\t0"})));
    fs::create_directory("odp-zażółć");
    // The goods name in code page 852 (Ż is 189), the payment names as the program shows them.
    EXPECT_TRUE(
        ZapiszAtomowo("odp-zażółć/t.txt", ZlaczLinie({"#01", "#", "#", "$12\tCHLEB \275YTNI"})));
    EXPECT_TRUE(ZapiszAtomowo("odp-zażółć/p.txt",
                              ZlaczLinie({"#01", "#", "#", "$1\tKARTA", "$2\tBON", "$3\tCZEK"})));
    const auto pierwsze = [](const WynikCli& w) {
        const auto linie = PodzielNaLinie(w.out);
        return std::vector<std::string>(
            linie.begin(), linie.begin() + std::min<std::ptrdiff_t>(3, std::ssize(linie)));
    };
    const std::vector<std::string> bezNazw{
        "BEZP.\tF1\t1 - TOWAR\ttowar 12: Sprzedaż jednej sztuki, Zakończenie paragonu",
        "BEZP.\tF2\t3 - PŁATNOŚĆ\tPŁATNOŚĆ  1 5,00", "BEZP.\tF3\t3 - PŁATNOŚĆ\tEURO 1,00"};
    const std::vector<std::string> zNazwami{
        "BEZP.\tF1\t1 - TOWAR\ttowar 12 (CHLEB ŻYTNI): Sprzedaż jednej sztuki, Zakończenie "
        "paragonu",
        "BEZP.\tF2\t3 - PŁATNOŚĆ\tKARTA 5,00", "BEZP.\tF3\t3 - PŁATNOŚĆ\tEURO 1,00"};
    EXPECT_EQ(pierwsze(UruchomCli({"show", "plan.txt"})), bezNazw);
    EXPECT_EQ(pierwsze(UruchomCli({"show", "plan.txt", "--goods", "odp-zażółć/t.txt", "--payments",
                                   "odp-zażółć/p.txt"})),
              zNazwami);
    // The reply files of the current folder, found whatever their case.
    fs::copy_file("odp-zażółć/t.txt", "towary.txt");
    fs::copy_file("odp-zażółć/p.txt", "PLAT.TXT");
    const WynikCli w = UruchomCli({"show", "plan.txt"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_EQ(pierwsze(w), zNazwami);
    if (test::JestJq()) {
        EXPECT_TRUE(test::Jq(UruchomCli({"show", "plan.txt", "--json"}).out,
                             ".klawisze[0].definicja.nazwa == \"CHLEB ŻYTNI\" and "
                             ".klawisze[1].definicja.nazwa == \"KARTA\" and "
                             "(.klawisze[2].definicja | has(\"nazwa\") | not)"));
    }
    for (const auto& zle :
         std::vector<std::vector<std::string>>{{"show", "plan.txt", "--goods", "brak.txt"},
                                               {"show", "plan.txt", "--payments", "/dev/zero"},
                                               {"show", "plan.txt", "--goods"}}) {
        const WynikCli b = UruchomCli(zle);
        EXPECT_EQ(b.kod, 2) << zle.back();
        EXPECT_EQ(b.out, "");
    }
}

TEST_F(KasaCli, ProgressCountsTheBytesTheLibraryReports) {
    // At 9600 bit/s the 64 definitions take about a second on the line.
    kasa.Uruchom({"--state", kasa.Stan()});
    kasa.Konfiguracja(5);
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    const WynikCli w = test::UruchomCliZTerminalem({"write", "moje.txt", "--no-backup"});
    EXPECT_EQ(w.kod, 0) << w.err;
    EXPECT_NE(w.err.find("Zapis definicji do kasy ["), std::string::npos) << w.err;
    EXPECT_NE(w.err.find(" B, "), std::string::npos) << w.err;
}

// A port held by another program, and a device that is no serial port, are
// told as what they are, never as the register's silence (code 20).
TEST_F(KasaCli, APortInUseIsNamedWithTheReason) {
    ASSERT_EQ(::mkfifo("potok", 0600), 0);
    EXPECT_TRUE(ZapiszAtomowo("plik", "x"));
    // Another program holds the port.
    const int fd = ::open(kasa.Link().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const std::string potok = (fs::current_path() / "potok").string();
    const std::string plik = (fs::current_path() / "plik").string();
    const struct {
        std::vector<std::string> polecenie;
        std::string mowi;
    } przypadki[] = {
        {{"read", "x.txt"}, "Urządzenie " + kasa.Link() + " jest zajęte przez inny program."},
        {{"test"}, "Urządzenie " + kasa.Link() + " jest zajęte przez inny program."},
        {{"read", "x.txt", "--port", "/dev/null"},
         "Urządzenie /dev/null nie jest portem szeregowym."},
        {{"test", "--port", "/dev/null"}, "Urządzenie /dev/null nie jest portem szeregowym."},
        {{"read", "x.txt", "--port", potok},
         "Urządzenie " + potok + " nie jest portem szeregowym."},
        {{"read", "x.txt", "--port", plik}, "Urządzenie " + plik + " nie jest portem szeregowym."},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.polecenie.back());
        const WynikCli w = UruchomCli(p.polecenie);
        EXPECT_EQ(w.kod, 5);
        EXPECT_NE(w.err.find(p.mowi), std::string::npos) << w.err;
        EXPECT_EQ(w.err.find("timeout nadawania"), std::string::npos) << w.err;
    }
    ::close(fd);
}

TEST_F(KasaCli, TheLibrarysFilesInTheCurrentFolderMustBeRegular) {
    EXPECT_TRUE(ZapiszPlikDefinicji(Przyklad(), "moje.txt", "01"));
    // A FIFO as RAPORT.TXT or klawisz.txt would block the append or be replaced.
    ASSERT_EQ(::mkfifo("RAPORT.TXT", 0600), 0);
    const WynikCli r = UruchomCli({"read", "odczyt.txt"});
    EXPECT_EQ(r.kod, 2) << r.err;
    EXPECT_NE(r.err.find("RAPORT.TXT"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_fifo("RAPORT.TXT"));
    fs::remove("RAPORT.TXT");
    ASSERT_EQ(::mkfifo("klawisz.txt", 0600), 0);
    const WynikCli z = UruchomCli({"write", "moje.txt", "--no-backup"});
    EXPECT_EQ(z.kod, 2) << z.err;
    EXPECT_TRUE(fs::is_fifo("klawisz.txt"));
    EXPECT_FALSE(fs::exists("RAPORT.TXT")) << "nothing was sent";
    fs::remove("klawisz.txt");
    // The configuration is an input like any other.
    fs::rename("KONFIG.TXT", "k.txt");
    ASSERT_EQ(::mkfifo("KONFIG.TXT", 0600), 0);
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read", "x.txt"}, {"test"}, {"read", "x.txt", "--config", "/dev/zero"}}) {
        const WynikCli w = UruchomCli(polecenie);
        EXPECT_EQ(w.kod, 2) << polecenie.back();
        EXPECT_NE(w.err.find(": To nie jest zwykły plik\n"), std::string::npos) << w.err;
    }
}

TEST_F(KasaCli, UsageErrors) {
    for (const auto& polecenie : std::vector<std::vector<std::string>>{
             {"read"}, {"write"}, {"goods"}, {"delete", "x"}, {"test", "x"}, {"read", "a", "b"}}) {
        SCOPED_TRACE(polecenie[0]);
        EXPECT_EQ(UruchomCli(polecenie).kod, 2);
    }
    const WynikCli pomoc = UruchomCli({"--help"});
    for (const char* p : {"read WY",
                          "write PLIK",
                          "delete",
                          "goods WY",
                          "test",
                          "3 odmowa kasy",
                          "verify PLIK",
                          "diff A B",
                          "--verify",
                          "--no-verify",
                          "--port",
                          "ORBAKLAW_COM<n>",
                          "/dev/ttyS<n-1>",
                          "--speed",
                          "--register",
                          "--timeout",
                          "--mux",
                          "--config",
                          "--no-backup",
                          "--json",
                          "--goods",
                          "--payments",
                          "4 definicje się różnią",
                          "5 brak odpowiedzi",
                          "6 kasa o innym numerze"})
        EXPECT_NE(pomoc.out.find(p), std::string::npos) << p;
}

} // namespace

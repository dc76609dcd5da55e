// The binding to the register libraries: buffers, KodBledu, missing pieces.
#include "comm/BibliotekaKasdrv.h"
#include "comm/WinSer.h"
#include "files/PlikTekstowy.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace orbaklaw {
namespace {

// What the fake library functions saw.
struct Zapis {
    std::array<char, 256> pierwszy{};
    std::array<char, 256> drugi{};
    int wywolania = 0;
};
Zapis zapis;

uint8_t KASDRV_WYWOLANIE Fake2(const char* a, const char* b) {
    std::copy(a, a + 256, zapis.pierwszy.begin());
    std::copy(b, b + 256, zapis.drugi.begin());
    ++zapis.wywolania;
    return 21;
}

uint8_t KASDRV_WYWOLANIE Fake1(const char* a) {
    std::copy(a, a + 256, zapis.pierwszy.begin());
    ++zapis.wywolania;
    return 229;
}

FunkcjeKasdrv Falszywe() {
    zapis = {};
    FunkcjeKasdrv f;
    f.ODefKlaw = Fake2;
    f.TowarMax = Fake2;
    f.OPlat = Fake2;
    f.ZDefKlaw = Fake1;
    f.KDefKlaw = Fake1;
    return f;
}

bool TylkoZeraPo(const std::array<char, 256>& b, size_t od) {
    return std::all_of(b.begin() + static_cast<long>(od), b.end(), [](char c) { return c == 0; });
}

TEST(BibliotekaKasdrv, PassesZeroFilledBuffersAndGivesTheResult) {
    BibliotekaKasdrv k(Falszywe());
    EXPECT_EQ(k.ODefKlaw("123.@#$", "klawisz.txt"), 21);
    EXPECT_EQ(std::string(zapis.pierwszy.data()), "123.@#$");
    EXPECT_EQ(std::string(zapis.drugi.data()), "klawisz.txt");
    EXPECT_TRUE(TylkoZeraPo(zapis.drugi, 11));
    EXPECT_EQ(k.ZDefKlaw("klawisz.txt"), 229);
    EXPECT_EQ(k.KDefKlaw(""), 229);
    EXPECT_TRUE(TylkoZeraPo(zapis.pierwszy, 0));
}

TEST(BibliotekaKasdrv, NameOver255BytesIsRefusedBeforeAnyCall) {
    BibliotekaKasdrv k(Falszywe());
    EXPECT_TRUE(k.ZDefKlaw(std::string(255, 'a')));
    const int przed = zapis.wywolania;
    EXPECT_FALSE(k.ZDefKlaw(std::string(256, 'a')));
    EXPECT_FALSE(k.TowarMax("123.@#$", std::string(300, 'b')));
    EXPECT_EQ(zapis.wywolania, przed);
}

TEST(BibliotekaKasdrv, MissingFunctionIsAClearErrorNotACrash) {
    BibliotekaKasdrv k(FunkcjeKasdrv{});
    const auto wynik = k.OPlat("123.@#$", "plat.txt");
    ASSERT_FALSE(wynik) << "no error";
    EXPECT_NE(wynik.Blad().opis.find("__OPlat"), std::string::npos);
}

TEST(WinSer, MissingFunctionIsAClearError) {
    WinSer w{FunkcjeKomPort{}};
    EXPECT_FALSE(w.UnInitializePort());
}

uint8_t KOMPORT_WYWOLANIE InicjujTrzeci(uint8_t port, uint16_t s, uint16_t t1, uint16_t t2) {
    return port == 3 && s == 19200 && t1 == 20 && t2 == 20 ? 0 : 1;
}

uint8_t KOMPORT_WYWOLANIE Identyfikacja(uint8_t rozkaz, uint8_t ile, uint8_t zero, uint8_t* odp,
                                        uint8_t* bufor) {
    if (rozkaz != 0xFE || ile != 4 || zero != 0 || !bufor)
        return 23;
    odp[0] = 0x6B;
    odp[1] = 2;
    return 0;
}

TEST(WinSer, PassesTheTimeoutTwiceAndKeepsTheReply) {
    FunkcjeKomPort f;
    f.InitializePort = InicjujTrzeci;
    f.RSSequence = Identyfikacja;
    WinSer w(f);
    EXPECT_EQ(w.InitializePort(3, 19200, 20), 0);
    ASSERT_EQ(w.RSSequence(RozkazIdentyfikacji, 4), 0);
    EXPECT_EQ(w.Odpowiedz()[0], 0x6B);
    EXPECT_EQ(w.Odpowiedz()[1], 2);
}

TEST(BibliotekaDynamiczna, MissingLibraryOrSymbolThrowsWithItsName) {
    const auto brak = BibliotekaDynamiczna::Zaladuj("/nie/ma/libkasdrv.so");
    ASSERT_FALSE(brak) << "loaded";
    EXPECT_NE(brak.Blad().opis.find("/nie/ma/libkasdrv.so"), std::string::npos);
    const auto b = BibliotekaDynamiczna::Zaladuj(FolderProgramu() / NazwaBibliotekiKasdrv);
    ASSERT_TRUE(b);
    EXPECT_TRUE((*b)->Symbol("__ODefKlaw"));
    EXPECT_FALSE((*b)->Symbol("__NieMaTakiej"));
}

// The real libraries from the program's folder, through the binding.
class PrawdziweBiblioteki : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("orbaklaw-wiazanie-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        poprzedni_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(poprzedni_);
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_, poprzedni_;
};

TEST_F(PrawdziweBiblioteki, FileHelpersWriteKonfig) {
    BibliotekaKasdrv k;
    auto uchwyt = *k.OtworzPlik("KONFIG.TXT");
    ASSERT_TRUE(uchwyt);
    EXPECT_TRUE(k.ZapiszLinie(*uchwyt, "$01\tcom1:9600:mux0:1\t5") == true);
    EXPECT_TRUE(k.ZamknijPlik(*uchwyt) == true);
    EXPECT_EQ(*CzytajLinie("KONFIG.TXT"), std::vector<std::string>{"$01\tcom1:9600:mux0:1\t5"});
    EXPECT_FALSE(*k.OtworzPlik("nie/ma/in"));
}

TEST_F(PrawdziweBiblioteki, ExchangeCodesComeBack) {
    BibliotekaKasdrv k;
    EXPECT_EQ(k.ODefKlaw("KONFIG.TXT", "klawisz.txt"), 1);
    EXPECT_EQ(k.ODefKlaw("123.@#$", "klawisz.txt"), 6);
    WinSer w;
    EXPECT_EQ(w.InitializePort(0, 9600, 5), 1);
    EXPECT_TRUE(w.UstawKanal(1) == false);
    EXPECT_TRUE(w.UnInitializePort());
}

} // namespace
} // namespace orbaklaw

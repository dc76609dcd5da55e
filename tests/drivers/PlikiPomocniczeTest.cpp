// The library's file helpers: whole files or none.
#include "SrodowiskoKasy.h"
#include "Wywolania.h"

#include "files/PlikTekstowy.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orbaklaw::testy {
namespace {

std::string Tresc(const std::string& plik) {
    return ZlaczLinie(*CzytajLinie(plik));
}

TEST(PlikiPomocnicze, WriteLinesWithCrLfAndReplaceOnClose) {
    SrodowiskoKasy s;
    EXPECT_TRUE(ZapiszAtomowo("KONFIG.TXT", "stary\r\n"));
    int32_t uchwyt = 0;
    ASSERT_NE(_OtwartoPlik(&uchwyt, B("KONFIG.TXT").data(), 1), 0);
    ASSERT_NE(uchwyt, 0);
    EXPECT_NE(_ZapisanoDoPlikuLinie(uchwyt, B("$01\tcom1:9600:mux0:1\t5").data()), 0);
    EXPECT_EQ(Tresc("KONFIG.TXT"), "stary\r\n") << "nothing replaced before the close";
    EXPECT_NE(_ZamknieciePliku(&uchwyt), 0);
    EXPECT_EQ(uchwyt, 0);
    EXPECT_EQ(Tresc("KONFIG.TXT"), "$01\tcom1:9600:mux0:1\t5\r\n");
}

TEST(PlikiPomocnicze, ExistingNameIsFoundWhateverItsCase) {
    SrodowiskoKasy s;
    EXPECT_TRUE(ZapiszAtomowo("konfig.txt", "stary\r\n"));
    int32_t uchwyt = 0;
    ASSERT_NE(_OtwartoPlik(&uchwyt, B("KONFIG.TXT").data(), 1), 0);
    _ZapisanoDoPlikuLinie(uchwyt, B("nowy").data());
    _ZamknieciePliku(&uchwyt);
    EXPECT_EQ(Tresc("konfig.txt"), "nowy\r\n");
    EXPECT_FALSE(std::filesystem::exists(s.Folder() / "KONFIG.TXT") &&
                 !std::filesystem::equivalent(s.Folder() / "KONFIG.TXT", "konfig.txt"));
}

TEST(PlikiPomocnicze, FailedLineKeepsTheOldFile) {
    SrodowiskoKasy s;
    EXPECT_TRUE(ZapiszAtomowo("in", "#01\r\n"));
    int32_t uchwyt = 0;
    ASSERT_NE(_OtwartoPlik(&uchwyt, B("in").data(), 1), 0);
    BuforTekstu pelny;
    pelny.fill('x');
    EXPECT_EQ(_ZapisanoDoPlikuLinie(uchwyt, pelny.data()), 0);
    EXPECT_EQ(_ZamknieciePliku(&uchwyt), 0);
    EXPECT_EQ(Tresc("in"), "#01\r\n");
}

// The helpers replace a file as every save of the program does: its rights
// stay, a link to it stays a link, and a read-only file is not replaced.
TEST(PlikiPomocnicze, ReplaceTheFileAsTheProgramsSaveDoes) {
    SrodowiskoKasy s;
    std::filesystem::create_directory("ustawienia");
    EXPECT_TRUE(ZapiszAtomowo("ustawienia/KONFIG.TXT", "stary\r\n"));
    std::filesystem::permissions("ustawienia/KONFIG.TXT", std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("ustawienia/KONFIG.TXT", "KONFIG.TXT");
    int32_t uchwyt = 0;
    ASSERT_NE(_OtwartoPlik(&uchwyt, B("KONFIG.TXT").data(), 1), 0);
    _ZapisanoDoPlikuLinie(uchwyt, B("nowy").data());
    EXPECT_NE(_ZamknieciePliku(&uchwyt), 0);
    EXPECT_TRUE(std::filesystem::is_symlink("KONFIG.TXT"));
    EXPECT_EQ(Tresc("ustawienia/KONFIG.TXT"), "nowy\r\n");
    EXPECT_EQ(std::filesystem::status("KONFIG.TXT").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    EXPECT_TRUE(ZapiszAtomowo("in", "#01\r\n"));
    std::filesystem::permissions("in", std::filesystem::perms::owner_read);
    EXPECT_EQ(_OtwartoPlik(&uchwyt, B("in").data(), 1), 0);
    EXPECT_EQ(Tresc("in"), "#01\r\n");
}

TEST(PlikiPomocnicze, RefusesWhatCannotBeOpened) {
    SrodowiskoKasy s;
    int32_t uchwyt = 5;
    EXPECT_EQ(_OtwartoPlik(&uchwyt, B("in").data(), 2), 0) << "only mode 1";
    EXPECT_EQ(uchwyt, 0);
    EXPECT_EQ(_OtwartoPlik(&uchwyt, B("nie/ma/in").data(), 1), 0);
    EXPECT_EQ(_OtwartoPlik(nullptr, B("in").data(), 1), 0);
    EXPECT_EQ(_ZapisanoDoPlikuLinie(12345, B("x").data()), 0);
    int32_t zly = 12345;
    EXPECT_EQ(_ZamknieciePliku(&zly), 0);
    EXPECT_FALSE(std::filesystem::exists("in"));
}

} // namespace
} // namespace orbaklaw::testy

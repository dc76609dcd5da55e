// Line reading, atomic writing and finding fixed names whatever their case.
#include "files/PlikTekstowy.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

using Linie = std::vector<std::string>;

TEST(PlikTekstowy, LinesEndInCrLfOrLfAlone) {
    EXPECT_EQ(PodzielNaLinie(""), Linie{});
    EXPECT_EQ(PodzielNaLinie("a\r\nb\r\n"), (Linie{"a", "b"}));
    EXPECT_EQ(PodzielNaLinie("a\nb"), (Linie{"a", "b"}));
    EXPECT_EQ(PodzielNaLinie("a\r\n\r\n"), (Linie{"a", ""}));
    EXPECT_EQ(PodzielNaLinie("\n"), (Linie{""}));
    EXPECT_EQ(PodzielNaLinie("a\rb\r\n"), (Linie{"a\rb"}));
    EXPECT_EQ(PodzielNaLinie("a\r"), (Linie{"a"})); // a CR ending the text ends its line
    EXPECT_EQ(ZlaczLinie({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(PlikTekstowy, AtomicWriteReplacesWholeFiles) {
    test::KatalogTymczasowy katalog;
    ASSERT_TRUE(ZapiszAtomowo(katalog / "x.txt", "pierwszy"));
    ASSERT_TRUE(ZapiszAtomowo(katalog / "x.txt", "drugi"));
    EXPECT_EQ(katalog.Czytaj("x.txt"), "drugi");
    EXPECT_EQ(*CzytajLinie(katalog / "x.txt"), Linie{"drugi"});
}

TEST(PlikTekstowy, FixedNamesAreFoundWhateverTheirCase) {
    test::KatalogTymczasowy katalog;
    EXPECT_EQ(ZnajdzPlik(katalog.sciezka(), "konfig.txt"), katalog / "konfig.txt");
    katalog.Zapisz("KONFIG.TXT", "$01");
    EXPECT_EQ(ZnajdzPlik(katalog.sciezka(), "konfig.txt"), katalog / "KONFIG.TXT");
    EXPECT_EQ(ZnajdzPlik(katalog.sciezka(), "Konfig.Txt"), katalog / "KONFIG.TXT");
    EXPECT_EQ(ZnajdzPlik(katalog.sciezka(), "konfig.tx"), katalog / "konfig.tx");
}

} // namespace
} // namespace orbaklaw

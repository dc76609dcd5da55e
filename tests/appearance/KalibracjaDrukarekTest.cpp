// The file of the printers' measurements: what is read from it, what is
// passed over, and the correction a measurement gives.
#include "appearance/KalibracjaDrukarek.h"
#include "tests/support/KatalogTymczasowy.h"

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

TEST(KalibracjaDrukarek, LinesOfTheFileAndWhatIsPassedOver) {
    const struct {
        const char* linia;
        const char* drukarka; // nullptr: the line gives no printer
        PomiarLinijek pomiar;
    } przypadki[] = {
        {"Biuro\t98.6\t101.2", "Biuro", {98.6, 101.2}},
        {"Drukarka z Łódzi\t100\t99.25", "Drukarka z Łódzi", {100, 99.25}},
        {"# Komentarz\t98\t98", nullptr, {}},
        {"Przecinek\t98,6\t100", nullptr, {}},
        {"Za_krotka\t49.9\t100", nullptr, {}},
        {"Za_dluga\t100\t200.5", nullptr, {}},
        {"Bez_pionowej\t100", nullptr, {}},
        {"\t100\t100", nullptr, {}},
        {"Smieci\t100\t100x", nullptr, {}},
    };
    test::KatalogTymczasowy tmp;
    for (const auto& p : przypadki) {
        tmp.Zapisz("drukarki.txt", std::string(p.linia) + "\n");
        const PomiaryDrukarek pomiary = *CzytajPomiaryDrukarek(tmp / "drukarki.txt");
        if (p.drukarka == nullptr) {
            EXPECT_TRUE(pomiary.empty()) << p.linia;
            continue;
        }
        ASSERT_EQ(pomiary.size(), 1u) << p.linia;
        EXPECT_EQ(pomiary.begin()->first, p.drukarka);
        EXPECT_EQ(pomiary.begin()->second, p.pomiar) << p.linia;
    }
    EXPECT_TRUE(CzytajPomiaryDrukarek(tmp / "brak.txt")->empty()) << "no file, no printers";
}

TEST(KalibracjaDrukarek, WrittenWithItsHeadingInCrLfAndReadBack) {
    test::KatalogTymczasowy tmp;
    const PomiaryDrukarek pomiary{{"A", {98.6, 101.2}}, {"B", {100, 102.346}}};
    EXPECT_TRUE(ZapiszPomiaryDrukarek(tmp / "nowy" / "drukarki.txt", pomiary));
    EXPECT_EQ(tmp.Czytaj("nowy/drukarki.txt"),
              "# orbaklaw: co drukarka drukuje zamiast 100 mm (strona kalibracji)\r\n"
              "# drukarka<TAB>linijka pozioma w mm<TAB>linijka pionowa w mm\r\n"
              "A\t98.60\t101.20\r\nB\t100.00\t102.35\r\n");
    EXPECT_EQ(CzytajPomiaryDrukarek(tmp / "nowy" / "drukarki.txt")->at("A"),
              (PomiarLinijek{98.6, 101.2}));
    const KorektaDruku k = KorektaZPomiaru({98.0, 102.5});
    EXPECT_DOUBLE_EQ(k.x, 100.0 / 98.0);
    EXPECT_DOUBLE_EQ(k.y, 100.0 / 102.5);
}

} // namespace
} // namespace orbaklaw

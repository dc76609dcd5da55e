// orbaklaw-cli insert: the insert picture and its PDF page from a label file.
#include "tests/cli/UruchomCli.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>

namespace orbaklaw {
namespace {

namespace fs = std::filesystem;

TEST(OrbaklawCliWkladka, ComposesTheInsertAsA24BitBitmap) {
    test::KatalogTymczasowy tmp;
    tmp.Zapisz("plan.bm0", "PIECZYWO\r\nNABIA\243\r\n");
    auto w = test::UruchomCli({"insert", (tmp / "plan.bm0").string(), (tmp / "plan.bmp").string(),
                               "--pdf", (tmp / "plan.pdf").string()});
    ASSERT_EQ(w.kod, 0) << w.err;
    const std::string bmp = tmp.Czytaj("plan.bmp");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bmp[28]), 24);
    const QImage obraz(QString::fromStdString((tmp / "plan.bmp").string()));
    EXPECT_EQ(obraz.size(), QSize(1314, 1219));
    // Edit1's box is filled in the function keys' colour (200, 199, 197).
    EXPECT_EQ(obraz.pixelColor(625, 80), QColor(200, 199, 197));
    EXPECT_EQ(tmp.Czytaj("plan.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(tmp.Czytaj("plan.bm0"), "PIECZYWO\r\nNABIA\243\r\n") << "the label file is only read";
}

TEST(OrbaklawCliWkladka, NothingIsWrittenWhenTheLabelsCantBeRead) {
    test::KatalogTymczasowy tmp;
    auto w = test::UruchomCli({"insert", (tmp / "brak.bm0").string(), (tmp / "x.bmp").string()});
    EXPECT_EQ(w.kod, 2);
    EXPECT_NE(w.err.find("Nie ma takiego pliku"), std::string::npos) << w.err;
    EXPECT_FALSE(fs::exists(tmp / "x.bmp"));
    EXPECT_EQ(test::UruchomCli({"insert", "tylko-jeden.bm0"}).kod, 2);
    EXPECT_EQ(test::UruchomCli({"insert", "a.bm0", "b.bmp", "--pdf"}).kod, 2);
    tmp.Zapisz("a.bm0", "");
    EXPECT_EQ(
        test::UruchomCli({"insert", (tmp / "a.bm0").string(), (tmp / "nie" / "b.bmp").string()})
            .kod,
        2);
}

} // namespace
} // namespace orbaklaw

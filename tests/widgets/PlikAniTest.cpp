// The animated cursor reader: a good file, and files broken in one place each.

#include "BudowaAni.h"

#include "widgets/KursorAnimowany.h"
#include "widgets/PlikAni.h"

#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

using testy::BudowaAni;
using testy::Dword;
using testy::Fragment;

std::optional<KursorAnimowany> Dekoduj(const std::string& plik) {
    return DekodujKursorAni(QByteArray(plik.data(), static_cast<qsizetype>(plik.size())));
}

TEST(PlikAni, ReadsFramesStepsAndHotSpots) {
    BudowaAni b;
    b.rate = {1, 0, 30};
    const auto kursor = Dekoduj(b.Plik());
    ASSERT_TRUE(kursor.has_value());
    ASSERT_EQ(kursor->klatki.size(), 3u);
    for (int n = 0; n < 3; ++n) {
        const KlatkaKursora& k = kursor->klatki[static_cast<size_t>(n)];
        EXPECT_EQ(k.obraz.size(), QSize(32, 32));
        EXPECT_EQ(k.punktAktywny, QPoint(3 + n, 4 + n));
        EXPECT_EQ(qAlpha(k.obraz.pixel(n * 8, 10)), 255);
        EXPECT_EQ(qAlpha(k.obraz.pixel(n * 8 + 1, 10)), 0);
    }
    ASSERT_EQ(kursor->kroki.size(), 3u);
    EXPECT_EQ(kursor->kroki[0].klatka, 2u);
    EXPECT_EQ(kursor->kroki[2].klatka, 0u);
    EXPECT_EQ(kursor->kroki[0].jiffies, 1u);
    EXPECT_EQ(kursor->kroki[1].jiffies, 1u) << "a zero rate would spin the timer";
    EXPECT_EQ(kursor->kroki[2].jiffies, 30u);
}

TEST(PlikAni, WithoutSeqOrRateStepsCycleTheFramesAtTheHeaderRate) {
    BudowaAni b;
    b.seq.clear();
    b.flagi = 1;
    b.kroki = 5;
    const auto a = CzytajAni(b.Plik());
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->kroki.size(), 5u);
    const uint32_t oczekiwane[] = {0, 1, 2, 0, 1};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(a->kroki[i].klatka, oczekiwane[i]);
        EXPECT_EQ(a->kroki[i].jiffies, 6u);
    }
}

TEST(PlikAni, SkipsOtherChunksIncludingOddSizedOnes) {
    BudowaAni b;
    b.dodatkowe = Fragment("LIST", "INFO" + Fragment("INAM", "Klepsydra")) + Fragment("xyz ", "a");
    EXPECT_TRUE(Dekoduj(b.Plik()).has_value());
}

TEST(PlikAni, ReadsTheCommittedSample) {
    QFile plik(QStringLiteral(ORBAKLAW_TEST_DATA "/pictures/hourglas.ani"));
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const auto kursor = DekodujKursorAni(plik.readAll());
    ASSERT_TRUE(kursor.has_value());
    EXPECT_EQ(kursor->klatki.size(), 4u);
    EXPECT_EQ(kursor->kroki.back().jiffies, 20u);
    EXPECT_EQ(kursor->klatki[0].punktAktywny, QPoint(15, 15));
}

TEST(PlikAni, ReadsTheCursorShippedWithTheProgram) {
    QFile plik(QStringLiteral(ORBAKLAW_RESOURCES "/hourglas.ani"));
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const auto kursor = DekodujKursorAni(plik.readAll());
    ASSERT_TRUE(kursor.has_value());
    EXPECT_EQ(kursor->klatki.size(), 8u);
    EXPECT_EQ(kursor->kroki.size(), 8u);
}

TEST(PlikAni, EveryTruncationIsRefused) {
    const std::string dobry = BudowaAni().Plik();
    for (size_t dlugosc = 0; dlugosc < dobry.size(); ++dlugosc)
        ASSERT_FALSE(CzytajAni(dobry.substr(0, dlugosc)).has_value()) << dlugosc;
}

struct ZlyPlik {
    const char* nazwa;
    std::function<void(BudowaAni&)> zepsuj;
};

TEST(PlikAni, BrokenFilesAreRefused) {
    const ZlyPlik przypadki[] = {
        {"zero frames",
         [](BudowaAni& b) {
             b.klatkiWNaglowku = 0;
             b.klatki.clear();
         }},
        {"huge frame count", [](BudowaAni& b) { b.klatkiWNaglowku = 0xFFFFFFFF; }},
        {"huge step count",
         [](BudowaAni& b) {
             b.kroki = 0xFFFFFFFF;
             b.seq.clear();
         }},
        {"zero steps",
         [](BudowaAni& b) {
             b.kroki = 0;
             b.seq.clear();
         }},
        {"fewer frames than the header", [](BudowaAni& b) { b.klatki.pop_back(); }},
        {"more frames than the header", [](BudowaAni& b) { b.klatki.push_back(b.klatki[0]); }},
        {"step names a missing frame",
         [](BudowaAni& b) {
             b.seq = {0, 1, 3};
         }},
        {"seq of the wrong length",
         [](BudowaAni& b) {
             b.seq = {0, 1};
         }},
        {"rate of the wrong length",
         [](BudowaAni& b) {
             b.rate = {1, 2, 3, 4};
         }},
        {"raw bitmap frames", [](BudowaAni& b) { b.flagi = 2; }},
        {"two headers", [](BudowaAni& b) { b.dodatkowe = Fragment("anih", b.Naglowek()); }},
        {"frame is not an icon", [](BudowaAni& b) { b.klatki[1] = std::string(200, 'x'); }},
        {"frame is cut short", [](BudowaAni& b) { b.klatki[1].resize(100); }},
        {"frame picture past its end",
         [](BudowaAni& b) { b.klatki[2].replace(18, 4, Dword(0xFFFF0000)); }},
    };
    for (const ZlyPlik& p : przypadki) {
        BudowaAni b;
        p.zepsuj(b);
        EXPECT_FALSE(Dekoduj(b.Plik()).has_value()) << p.nazwa;
    }
}

TEST(PlikAni, BadSizesAreRefused) {
    const std::string dobry = BudowaAni().Plik();
    const struct {
        const char* nazwa;
        size_t miejsce;
        uint32_t wartosc;
    } przypadki[] = {
        {"RIFF longer than the file", 4, static_cast<uint32_t>(dobry.size())},
        {"RIFF size below its form type", 4, 2},
        {"header chunk past the end", 16, 0x7FFFFFF0},
        {"header too short", 16, 8},
        {"header size field too small", 20, 20},
    };
    for (const auto& p : przypadki) {
        std::string plik = dobry;
        plik.replace(p.miejsce, 4, Dword(p.wartosc));
        EXPECT_FALSE(CzytajAni(plik).has_value()) << p.nazwa;
    }
    EXPECT_FALSE(CzytajAni("RIFX" + dobry.substr(4)).has_value());
    EXPECT_FALSE(CzytajAni(dobry.substr(0, 12) + "xxxx" + dobry.substr(16)).has_value())
        << "no header";
    EXPECT_FALSE(CzytajAni(dobry.substr(0, 8) + "AVI " + dobry.substr(12)).has_value());
}

} // namespace
} // namespace orbaklaw

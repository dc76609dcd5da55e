// The pictures compiled into the program: sizes, formats, and whether the
// drawings put the keys where the label fields and the insert expect them.

#include "appearance/DekoderJpeg.h"
#include "appearance/KompozycjaWkladki.h"
#include "appearance/ObrazKlawiatury.h"
#include "appearance/PolaEtykiet.h"
#include "appearance/SzablonWkladki.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

namespace orbaklaw {
namespace {

int Odleglosc(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

QRgb KolorPolaRgb(const PoleEtykiety& pole) {
    return 0xFF000000u | (pole.limit == LimitEtykietyF ? KolorEtykietyF : KolorEtykietyCyfry);
}

QByteArray ZasobJpeg() {
    QFile plik(QStringLiteral(":/obrazy/klawiatura.jpg"));
    WczytajObrazKlawiatury(); // registers the resources
    EXPECT_TRUE(plik.open(QIODevice::ReadOnly));
    return plik.readAll();
}

QImage Dekoduj(const QByteArray& dane) {
    return DekodujJpeg(reinterpret_cast<const uint8_t*>(dane.constData()),
                       static_cast<size_t>(dane.size()));
}

TEST(ObrazKlawiatury, DecodesToItsSize) {
    const QImage obraz = WczytajObrazKlawiatury();
    ASSERT_FALSE(obraz.isNull());
    EXPECT_EQ(obraz.size(), QSize(1074, 1216));
    EXPECT_EQ(obraz.format(), QImage::Format_RGB888);
}

// Shown at 358 x 406, the middle of every label field lies on its key's label window.
TEST(ObrazKlawiatury, LabelFieldsFallOnTheirWindows) {
    const QImage obraz = WczytajObrazKlawiatury().scaled(
        RozmiarPolaKlawiatury, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const PoleEtykiety& pole : PolaEtykiet()) {
        const ProstokatPola& m = pole.miejsce;
        const QRgb srodek = obraz.pixel(m.left + m.width / 2, m.top + m.height / 2);
        EXPECT_LT(Odleglosc(srodek, KolorPolaRgb(pole)), 24) << pole.nazwa;
    }
}

TEST(DekodujJpeg, DamagedDataGivesANullImage) {
    const QByteArray dobry = ZasobJpeg();
    ASSERT_GT(dobry.size(), 1000);
    QByteArray bezNaglowka = dobry;
    bezNaglowka[0] = 'X';
    QByteArray zaszumiony = dobry;
    for (qsizetype i = dobry.size() / 3; i < dobry.size() / 3 + 400; ++i)
        zaszumiony[i] = static_cast<char>(0xFF);
    const struct {
        const char* nazwa;
        QByteArray dane;
    } przypadki[] = {
        {"empty", QByteArray()},
        {"no SOI marker", bezNaglowka},
        {"header only", dobry.left(600)},
        {"truncated half way", dobry.left(dobry.size() / 2)},
        {"garbage in the scan", zaszumiony},
        {"not a JPEG", QByteArray(5000, 'a')},
    };
    for (const auto& p : przypadki)
        EXPECT_TRUE(Dekoduj(p.dane).isNull()) << p.nazwa;
    EXPECT_TRUE(DekodujJpeg(nullptr, 100).isNull());
}

TEST(DekodujJpeg, DecodesBaselineProgressiveAndGreyPictures) {
    for (const char* nazwa : {"maly.jpg", "progresywny.jpg", "szary.jpg"}) {
        QFile plik(QStringLiteral(ORBAKLAW_TEST_DATA "/fuzz/fuzz_dekoder_jpeg/") +
                   QLatin1String(nazwa));
        ASSERT_TRUE(plik.open(QIODevice::ReadOnly)) << nazwa;
        const QImage obraz = Dekoduj(plik.readAll());
        EXPECT_EQ(obraz.size(), QSize(24, 16)) << nazwa;
        EXPECT_EQ(obraz.format(), QImage::Format_RGB888) << nazwa;
        EXPECT_GT(qRed(obraz.pixel(23, 0)), 200) << nazwa; // white corner
    }
}

QByteArray JpegOSzerokosci(int szerokosc) {
    QImage obraz(szerokosc, 8, QImage::Format_RGB888);
    obraz.fill(Qt::gray);
    QByteArray dane;
    QBuffer bufor(&dane);
    EXPECT_TRUE(bufor.open(QIODevice::WriteOnly));
    EXPECT_TRUE(obraz.save(&bufor, "JPG"));
    return dane;
}

TEST(DekodujJpeg, RefusesPicturesLargerThanTheLimit) {
    EXPECT_EQ(Dekoduj(JpegOSzerokosci(NajwiekszyBokJpeg)).size(), QSize(NajwiekszyBokJpeg, 8));
    EXPECT_TRUE(Dekoduj(JpegOSzerokosci(NajwiekszyBokJpeg + 1)).isNull());
}

TEST(SzablonWkladki, IsA24BitPictureOfItsSize) {
    const QImage szablon = WczytajSzablonWkladki();
    ASSERT_FALSE(szablon.isNull());
    EXPECT_EQ(szablon.size(), QSize(1314, 1219));
    EXPECT_EQ(szablon.format(), QImage::Format_RGB888);
    QFile plik(QStringLiteral(":/obrazy/wkladka.bmp"));
    ASSERT_TRUE(plik.open(QIODevice::ReadOnly));
    const QByteArray naglowek = plik.read(54);
    ASSERT_EQ(naglowek.size(), 54);
    EXPECT_EQ(naglowek.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<uint8_t>(naglowek[28]), 24);                           // bits per pixel
    EXPECT_NEAR(qFromLittleEndian<qint32>(naglowek.constData() + 38), 11811, 2); // 300 dpi
}

// Where the composition puts each text, the template shows that key's label window.
TEST(SzablonWkladki, CompositionPlacesFallOnTheWindows) {
    const QImage szablon = WczytajSzablonWkladki();
    const SkalaWkladki skala = ObliczSkaleWkladki(szablon.size(), RozmiarPolaKlawiatury);
    for (const PoleEtykiety& pole : PolaEtykiet()) {
        const QPoint p = PunktTekstuWkladki(pole.miejsce, skala) + QPoint(8, 8);
        EXPECT_EQ(szablon.pixel(p), KolorPolaRgb(pole)) << pole.nazwa;
    }
}

// The composed insert is saved and printed at 300 pixels per inch, so it
// keeps the template's resolution along with its size.
TEST(SzablonWkladki, ComposedInsertKeepsSizeAndResolution) {
    const QImage szablon = WczytajSzablonWkladki();
    TekstyEtykiet teksty;
    teksty[0] = "PIECZYWO";
    const QImage wkladka = KomponujWkladke(szablon, teksty, RozmiarPolaKlawiatury,
                                           QFont(QStringLiteral("DejaVu Sans"), 9), Qt::black, 96);
    EXPECT_EQ(wkladka.size(), RozmiarSzablonuWkladki);
    EXPECT_EQ(wkladka.dotsPerMeterX(), szablon.dotsPerMeterX());
    EXPECT_EQ(wkladka.dotsPerMeterY(), szablon.dotsPerMeterY());
    EXPECT_EQ(wkladka.pixel(628, 83), szablon.pixel(628, 83)) << "box on its window";
    EXPECT_NE(wkladka.copy(491, 36, 138, 48), szablon.copy(491, 36, 138, 48));
}

} // namespace
} // namespace orbaklaw

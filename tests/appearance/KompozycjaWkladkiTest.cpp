// The insert composition: where boxes and texts land on the template, how
// texts are padded, and how the font is scaled. A plain white template
// makes every drawn pixel visible.

#include "appearance/KompozycjaWkladki.h"
#include "appearance/PolaEtykiet.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orbaklaw {
namespace {

constexpr QRgb Bialy = 0xFFFFFFFF;
constexpr QRgb KolorF = 0xFF000000 | KolorEtykietyF;
constexpr QRgb KolorCyfry = 0xFF000000 | KolorEtykietyCyfry;
const QSize Ekran(358, 406);

QImage BialySzablon() {
    QImage szablon(1314, 1219, QImage::Format_RGB888);
    szablon.fill(Qt::white);
    return szablon;
}

QFont Czcionka(double punkty) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punkty);
    return f;
}

size_t Indeks(const char* nazwa) {
    const auto& pola = PolaEtykiet();
    for (size_t i = 0; i < pola.size(); ++i) {
        if (std::string(pola[i].nazwa) == nazwa)
            return i;
    }
    ADD_FAILURE() << nazwa;
    return 0;
}

QImage Komponuj(TekstyEtykiet& teksty, double punkty = 9, double dpi = 96, QColor kolor = Qt::black,
                QSize ekran = Ekran) {
    return KomponujWkladke(BialySzablon(), teksty, ekran, Czcionka(punkty), kolor, dpi);
}

QImage Komponuj(const char* pole, const std::string& tekst, double punkty = 9) {
    TekstyEtykiet teksty;
    teksty[Indeks(pole)] = tekst;
    return Komponuj(teksty, punkty);
}

TEST(KompozycjaWkladki, PlacesAtTheLaidOutSize) {
    const SkalaWkladki skala = ObliczSkaleWkladki(QSize(1314, 1219), Ekran);
    EXPECT_NEAR(skala.sx, 1314.0 / 437, 1e-12);
    EXPECT_NEAR(skala.sy, 1219.0 / 406, 1e-12);
    const auto& pola = PolaEtykiet();
    EXPECT_EQ(PunktTekstuWkladki(pola[Indeks("Edit1")].miejsce, skala), QPoint(491, 36));
    EXPECT_EQ(PunktTekstuWkladki(pola[Indeks("e7")].miejsce, skala), QPoint(554, 435));
    EXPECT_EQ(PunktTekstuWkladki(pola[Indeks("e0")].miejsce, skala), QPoint(554, 1038));
}

// With a tiny font the text cell stays inside the box, so every box edge shows.
TEST(KompozycjaWkladki, FunctionKeyBoxEdges) {
    const struct {
        const char* pole;
        QRect ramka;
    } przypadki[] = {
        {"Edit1", QRect(QPoint(491, 36), QPoint(628, 83))},
        {"Edit9", QRect(QPoint(1126, 234), QPoint(1263, 281))},
        {"Edit2", QRect(QPoint(699, 36), QPoint(836, 83))}, // 49 wide on screen, box still 46
        {"Edit5a", QRect(QPoint(272, 282), QPoint(409, 329))},
    };
    for (const auto& p : przypadki) {
        const QImage w = Komponuj(p.pole, "ABCDEFGHIJKL", 1);
        const QRect r = p.ramka;
        const int sy = r.center().y();
        const int sx = r.center().x();
        EXPECT_EQ(w.pixel(r.topLeft()), KolorF) << p.pole;
        EXPECT_EQ(w.pixel(r.bottomRight()), KolorF) << p.pole;
        EXPECT_EQ(w.pixel(r.left() - 1, sy), Bialy) << p.pole;
        EXPECT_EQ(w.pixel(r.right() + 1, sy), Bialy) << p.pole;
        EXPECT_EQ(w.pixel(sx, r.top() - 1), Bialy) << p.pole;
        EXPECT_EQ(w.pixel(sx, r.bottom() + 1), Bialy) << p.pole;
    }
}

// A text longer than the limit is kept whole in the field, but drawn only
// inside its key's box; the box keeps its size.
TEST(KompozycjaWkladki, LongTextIsClippedToTheBoxAndTheBoxKeepsItsSize) {
    TekstyEtykiet teksty;
    teksty[Indeks("Edit1")] = "ABCDEFGHIJKL";
    const QImage w = Komponuj(teksty);
    EXPECT_EQ(teksty[Indeks("Edit1")], "ABCDEFGHIJKL");
    EXPECT_EQ(w.pixel(629, 40), Bialy) << "the text cell stops at the box";
    EXPECT_EQ(w.pixel(628, 83), KolorF);
    EXPECT_EQ(w.pixel(629, 83), Bialy);
}

// The box a field's text may cover on the insert: a function key's box of
// 46 x 16 window pixels, a digit field's own width and height, both scaled
// as the text's place is.
QRect RamkaPola(const PoleEtykiety& pole) {
    const double sx = 1314.0 / 437;
    const double sy = 1219.0 / 406;
    const auto& m = pole.miejsce;
    const int szerokosc = pole.limit == LimitEtykietyF ? 46 : m.width;
    const int wysokosc = pole.limit == LimitEtykietyF ? 16 : m.height;
    return QRect(QPoint(static_cast<int>(m.left * sx + 239), static_cast<int>(m.top * sy)),
                 QPoint(static_cast<int>((m.left + szerokosc) * sx + 239) - 1,
                        static_cast<int>((m.top + wysokosc) * sy) - 1));
}

// Whatever the font and however long the texts, nothing outside the fields'
// boxes differs from the insert of an empty label file.
TEST(KompozycjaWkladki, NothingIsDrawnOutsideTheFieldsBoxes) {
    QFont pogrubiona = Czcionka(12);
    pogrubiona.setBold(true);
    const struct {
        const char* opis;
        QFont czcionka;
        std::string f, cyfra;
    } przypadki[] = {
        {"9 pt, long texts", Czcionka(9), "PIECZYWO PSZENNE", "12345678"},
        {"Bold 12, full texts", pogrubiona, "JAB\xA3KA", "MLEK"},
        {"Bold 12, W", pogrubiona, "WWWWWWWW", "WWWW"},
        {"20 pt", Czcionka(20), "GOT\xD3WKA", "9999"},
    };
    TekstyEtykiet puste;
    const QImage wzor = KomponujWkladke(BialySzablon(), puste, Ekran, Czcionka(9), Qt::black, 96);
    std::vector<QRect> ramki;
    for (const auto& pole : PolaEtykiet())
        ramki.push_back(RamkaPola(pole));
    for (const auto& p : przypadki) {
        TekstyEtykiet teksty;
        for (size_t i = 0; i < teksty.size(); ++i)
            teksty[i] = PolaEtykiet()[i].limit == LimitEtykietyF ? p.f : p.cyfra;
        const QImage w = KomponujWkladke(BialySzablon(), teksty, Ekran, p.czcionka, Qt::black, 96);
        int poza = 0;
        for (int y = 0; y < w.height(); ++y)
            for (int x = 0; x < w.width(); ++x)
                if (w.pixel(x, y) != wzor.pixel(x, y) &&
                    std::none_of(ramki.begin(), ramki.end(),
                                 [x, y](const QRect& r) { return r.contains(x, y); }))
                    ++poza;
        EXPECT_EQ(poza, 0) << p.opis << ": pixels changed outside every field's box";
    }
}

TEST(KompozycjaWkladki, DigitKeysGetTextBackgroundOnly) {
    const QImage w = Komponuj("e7", "1", 1);
    EXPECT_EQ(w.pixel(554, 435), KolorCyfry);
    EXPECT_EQ(w.pixel(554 + 40, 435 + 40), Bialy) << "no box for digit keys";
    const QImage w0 = Komponuj("e0", "  ");
    EXPECT_EQ(w0.pixel(554, 1038), KolorCyfry) << "spaces only are not empty";
    EXPECT_EQ(w0.pixel(553, 1038), Bialy);
}

TEST(KompozycjaWkladki, SpacesOnlyOnAFunctionKeyGetTheBox) {
    const QImage w = Komponuj("Edit9", "   ");
    EXPECT_EQ(w.pixel(1263, 281), KolorF);
    EXPECT_EQ(w.pixel(1126, 234), KolorF);
}

TEST(KompozycjaWkladki, EmptyTextsDrawNothingOnAFull24BitCopy) {
    TekstyEtykiet teksty;
    const QImage w = KomponujWkladke(BialySzablon().convertToFormat(QImage::Format_RGB32), teksty,
                                     Ekran, Czcionka(9), Qt::black, 96);
    EXPECT_EQ(w, BialySzablon());
    EXPECT_EQ(w.format(), QImage::Format_RGB888);
}

TEST(KompozycjaWkladki, PadsTextsToTheFieldLimit) {
    const struct {
        const char* pole;
        std::string przed, po;
    } przypadki[] = {
        {"Edit1", "ABCDE", "ABCDE   "},
        {"Edit9a", "A", "A       "},
        {"e7", "ABC", "ABC "},
        {"e0a", "", ""},
        {"Edit2", "", ""},
        {"Edit3", "12345678", "12345678"},
        {"Edit4", "123456789AB", "123456789AB"},
        {"e1", "ABCDEF", "ABCDEF"},
        {"e2", " ", "    "},
        {"Edit5", "   ", "        "},
        {"e3", "\xA3\xD3\x44", "\xA3\xD3\x44 "}, // Windows-1250 bytes count one each
    };
    TekstyEtykiet teksty;
    for (const auto& p : przypadki)
        teksty[Indeks(p.pole)] = p.przed;
    Komponuj(teksty);
    for (const auto& p : przypadki)
        EXPECT_EQ(teksty[Indeks(p.pole)], p.po) << p.pole;
}

TEST(KompozycjaWkladki, FontPointsScaleByTheVerticalFactor) {
    const double sy = 1219.0 / 406;
    const struct {
        double punkty;
        int oczekiwane;
    } przypadki[] = {{9, 27}, {8, 24}, {10, 30}, {12, 36}, {1, 3}, {8.5, 25}};
    for (const auto& p : przypadki)
        EXPECT_EQ(PunktyCzcionkiWkladki(Czcionka(p.punkty), sy, 96), p.oczekiwane) << p.punkty;
    QFont wPikselach(QStringLiteral("DejaVu Sans"));
    wPikselach.setPixelSize(12); // 9 points at 96 dpi
    EXPECT_EQ(PunktyCzcionkiWkladki(wPikselach, sy, 96), 27);
}

// The text cell is as wide as the font draws the padded text: 27 points at
// the screen's dpi (its height is cut at the field's box).
TEST(KompozycjaWkladki, PointsBecomePixelsAtTheScreenDpi) {
    for (const double dpi : {96.0, 120.0}) {
        TekstyEtykiet teksty;
        teksty[Indeks("e0")] = " ";
        const QImage w = Komponuj(teksty, 9, dpi);
        QFont f = Czcionka(9);
        f.setPixelSize(static_cast<int>(std::lround(27 * dpi / 72)));
        const int szerokosc = QFontMetrics(f).horizontalAdvance(QStringLiteral("    "));
        ASSERT_LT(szerokosc, 78) << "the cell stays inside e0's box";
        EXPECT_EQ(w.pixel(554 + szerokosc - 1, 1040), KolorCyfry) << dpi;
        EXPECT_EQ(w.pixel(554 + szerokosc, 1040), Bialy) << dpi;
    }
}

TEST(KompozycjaWkladki, TextsAreWindows1250AndInTheTextColour) {
    TekstyEtykiet teksty;
    teksty[Indeks("Edit1")] = "\xA3\xA5\x8C\xAF"; // ŁĄŚŻ
    const QImage w = Komponuj(teksty, 9, 96, Qt::red);

    QImage wzor = BialySzablon();
    {
        QPainter p(&wzor);
        p.fillRect(QRect(QPoint(491, 36), QPoint(628, 83)), QColor::fromRgb(KolorF));
        QFont f = Czcionka(9);
        f.setPixelSize(36);
        p.setFont(f);
        p.setPen(Qt::red);
        const QString tekst = QString::fromUtf8("ŁĄŚŻ    ");
        const QFontMetrics m(f);
        p.setClipRect(QRect(QPoint(491, 36), QPoint(628, 83)));
        p.fillRect(QRect(491, 36, m.horizontalAdvance(tekst), m.height()), QColor::fromRgb(KolorF));
        p.drawText(QPointF(491, 36 + m.ascent()), tekst);
    }
    EXPECT_EQ(w, wzor);
}

TEST(KompozycjaWkladki, AnEmptyPictureSizeCountsAsTheLaidOutOne) {
    TekstyEtykiet a;
    a[Indeks("Edit1")] = "X";
    TekstyEtykiet b = a;
    EXPECT_EQ(Komponuj(a, 9, 96, Qt::black, QSize()), Komponuj(b));
}

} // namespace
} // namespace orbaklaw

namespace orbaklaw {
namespace {

// Whether a label shows whole on the insert is measured as the insert is
// drawn: its text, trailing spaces aside, against its key's box.
TEST(KompozycjaWkladki, LabelsTheBoxCutsAreFound) {
    const struct {
        const char* pole;
        QString tekst;
        bool miesciSie;
    } przypadki[] = {
        {"Edit1", QStringLiteral("AB"), true},
        {"Edit1", QStringLiteral("AB      "), true},
        {"Edit1", QStringLiteral("WWWWWWWW"), false},
        {"Edit5a", QStringLiteral("WWWWWWWW"), false},
        {"e7", QStringLiteral("1"), true},
        {"e7", QStringLiteral("WWWW"), false},
        {"e0a", QStringLiteral("BARDZO DŁUGI"), false},
        {"e0a", QString(), true},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::string(p.pole) + " " + p.tekst.toStdString());
        const auto d =
            DopasujEtykiete(PolaEtykiet()[Indeks(p.pole)], p.tekst, Ekran, Czcionka(9), 96);
        EXPECT_EQ(d.miesciSie, p.miesciSie);
        if (p.miesciSie) {
            EXPECT_EQ(d.widoczne, p.tekst);
        } else {
            EXPECT_LT(d.widoczne.size(), p.tekst.trimmed().size());
            EXPECT_TRUE(p.tekst.startsWith(d.widoczne));
        }
    }
}

// The preview's copy marks the boxes of cut labels in red; the insert itself
// is never marked.
TEST(KompozycjaWkladki, ThePreviewMarksCutLabelsAndTheInsertStaysClean) {
    TekstyEtykiet teksty;
    teksty[Indeks("Edit1")] = "WWWWWWWW";
    teksty[Indeks("Edit2")] = "AB";
    const QImage wkladka = Komponuj(teksty);
    const QImage podglad = ZaznaczUcieteEtykiety(wkladka, teksty, Ekran, Czcionka(9), 96);
    ASSERT_EQ(podglad.size(), wkladka.size());
    const auto czerwone = [](const QImage& obraz, QRect obszar) {
        int n = 0;
        for (int y = obszar.top(); y <= obszar.bottom(); ++y)
            for (int x = obszar.left(); x <= obszar.right(); ++x)
                if (obraz.pixelColor(x, y) == QColor(Qt::red))
                    ++n;
        return n;
    };
    const auto okolica = [](const char* pole) {
        return RamkaPola(PolaEtykiet()[Indeks(pole)]).adjusted(-8, -8, 8, 8);
    };
    EXPECT_GT(czerwone(podglad, okolica("Edit1")), 100);
    EXPECT_EQ(czerwone(podglad, okolica("Edit2")), 0);
    EXPECT_EQ(czerwone(wkladka, wkladka.rect()), 0);
}

} // namespace
} // namespace orbaklaw

// The busy cursor: animated from a good file, the standard one otherwise,
// shown over the whole application while a register call runs.

#include "BudowaAni.h"

#include "widgets/KursorKlepsydry.h"
#include "widgets/PokazanaKlepsydra.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbaklaw {
namespace {

using testy::BudowaAni;

class KursorKlepsydryZPliku : public ::testing::Test {
protected:
    QString Zapisz(const QString& nazwa, const std::string& tresc) {
        const QString sciezka = katalog_.filePath(nazwa);
        QFile plik(sciezka);
        EXPECT_TRUE(plik.open(QIODevice::WriteOnly));
        plik.write(tresc.data(), static_cast<qint64>(tresc.size()));
        return sciezka;
    }
    static Qt::CursorShape Ksztalt() {
        const QCursor* c = QGuiApplication::overrideCursor();
        return c == nullptr ? Qt::ArrowCursor : c->shape();
    }
    static bool CzekajNaZmianeKroku(const KursorKlepsydry& k, int ms) {
        const size_t poczatek = k.BiezacyKrok();
        QElapsedTimer czas;
        czas.start();
        while (czas.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (k.BiezacyKrok() != poczatek)
                return true;
        }
        return false;
    }
    void TearDown() override {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
    }
    QTemporaryDir katalog_;
};

TEST_F(KursorKlepsydryZPliku, MissingOrBrokenFileLeavesTheStandardBusyCursor) {
    BudowaAni zepsuty;
    zepsuty.seq = {7, 7, 7};
    const QString pliki[] = {katalog_.filePath(QStringLiteral("brak.ani")),
                             Zapisz(QStringLiteral("smieci.ani"), "RIFF...."),
                             Zapisz(QStringLiteral("pusty.ani"), ""),
                             Zapisz(QStringLiteral("zly.ani"), zepsuty.Plik())};
    for (const QString& plik : pliki) {
        KursorKlepsydry kursor;
        EXPECT_FALSE(kursor.Wczytaj(plik)) << plik.toStdString();
        EXPECT_FALSE(kursor.Animowany());
        kursor.Pokaz();
        EXPECT_EQ(Ksztalt(), Qt::WaitCursor);
        kursor.Przywroc();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(KursorKlepsydryZPliku, GoodFileAnimatesWhileShownAndStopsAfter) {
    BudowaAni b;
    b.rate = {1, 1, 1};
    KursorKlepsydry kursor;
    ASSERT_TRUE(kursor.Wczytaj(Zapisz(QStringLiteral("k.ani"), b.Plik())));
    EXPECT_TRUE(kursor.Animowany());
    kursor.Pokaz();
    ASSERT_EQ(Ksztalt(), Qt::BitmapCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(5, 6))
        << "first step is frame 2";
    EXPECT_TRUE(CzekajNaZmianeKroku(kursor, 2000));
    kursor.Przywroc();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(CzekajNaZmianeKroku(kursor, 100));
}

TEST_F(KursorKlepsydryZPliku, CallsNestAndTheGuardRestores) {
    KursorKlepsydry kursor;
    {
        PokazanaKlepsydra zewnetrzna(kursor);
        {
            PokazanaKlepsydra wewnetrzna(kursor);
            EXPECT_TRUE(kursor.Widoczny());
        }
        EXPECT_TRUE(kursor.Widoczny());
        EXPECT_EQ(Ksztalt(), Qt::WaitCursor);
    }
    EXPECT_FALSE(kursor.Widoczny());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    kursor.Przywroc(); // one too many: nothing to undo
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(KursorKlepsydryZPliku, LoadsFromTheCurrentDirectoryWhateverTheCase) {
    Zapisz(QStringLiteral("HOURGLAS.ANI"), BudowaAni().Plik());
    const QString poprzedni = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(katalog_.path()));
    KursorKlepsydry kursor;
    const bool wczytany = kursor.WczytajZBiezacegoKatalogu();
    QDir::setCurrent(poprzedni);
    EXPECT_TRUE(wczytany);
    EXPECT_FALSE(KursorKlepsydry().WczytajZBiezacegoKatalogu()) << "no file in the test's folder";
}

#ifndef _WIN32 // POSIX: FIFOs, /dev/zero and sparse files
// "hourglas.ani" is read before the window shows: a name that leads to a
// device, a FIFO or a huge file must neither stall nor end the program.
TEST_F(KursorKlepsydryZPliku, SpecialAndHugeFilesAreNotReadAsCursors) {
    const QByteArray kolejka = QFile::encodeName(katalog_.filePath(QStringLiteral("kolejka.ani")));
    ASSERT_EQ(::mkfifo(kolejka.constData(), 0644), 0);
    const QString zero = katalog_.filePath(QStringLiteral("HOURGLAS.ANI"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString ogromny = Zapisz(QStringLiteral("ogromny.ani"), BudowaAni().Plik());
    ASSERT_EQ(::truncate(QFile::encodeName(ogromny).constData(), off_t{3} << 30), 0);
    for (const QString& plik : {QFile::decodeName(kolejka), zero, ogromny}) {
        SCOPED_TRACE(plik.toStdString());
        KursorKlepsydry kursor;
        EXPECT_FALSE(kursor.Wczytaj(plik));
        EXPECT_FALSE(kursor.Animowany());
    }
    const QString poprzedni = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(katalog_.path()));
    const bool wczytany = KursorKlepsydry().WczytajZBiezacegoKatalogu();
    QDir::setCurrent(poprzedni);
    EXPECT_FALSE(wczytany) << "hourglas.ani leading to /dev/zero";
}
#endif

TEST_F(KursorKlepsydryZPliku, ABrokenFileAfterAGoodOneFallsBack) {
    KursorKlepsydry kursor;
    ASSERT_TRUE(kursor.Wczytaj(Zapisz(QStringLiteral("a.ani"), BudowaAni().Plik())));
    EXPECT_FALSE(kursor.Wczytaj(Zapisz(QStringLiteral("b.ani"), "x")));
    kursor.Pokaz();
    EXPECT_EQ(Ksztalt(), Qt::WaitCursor);
    kursor.Przywroc();
}

TEST_F(KursorKlepsydryZPliku, LoadingWhileShownSwapsTheCursorOnShow) {
    KursorKlepsydry kursor;
    PokazanaKlepsydra widoczna(kursor);
    ASSERT_EQ(Ksztalt(), Qt::WaitCursor);
    ASSERT_TRUE(kursor.Wczytaj(Zapisz(QStringLiteral("a.ani"), BudowaAni().Plik())));
    EXPECT_EQ(Ksztalt(), Qt::BitmapCursor);
    EXPECT_FALSE(kursor.Wczytaj(Zapisz(QStringLiteral("b.ani"), "x")));
    EXPECT_EQ(Ksztalt(), Qt::WaitCursor);
}

} // namespace
} // namespace orbaklaw

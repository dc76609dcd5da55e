// The insert printed through the real print service: a CUPS scheduler of the
// test's own with a cups-pdf queue, the program's print code on Qt's CUPS
// support, and the PDF that cups-pdf writes measured on the page.

#include "appearance/DrukWkladki.h"
#include "appearance/KalibracjaDrukarek.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#ifdef ORBAKLAW_CUPS_TEST
#include "PomiarStrony.h"
#include "SerwerDruku.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#endif

namespace orbaklaw {
namespace {

using namespace std::chrono_literals;

QImage CzarnaWkladka() {
    QImage wkladka(1314, 1219, QImage::Format_RGB888);
    wkladka.fill(Qt::black);
    return wkladka;
}

#ifdef ORBAKLAW_CUPS_TEST

// The jobs are waited on by their states; this only bounds the wait on a
// machine that a parallel build loads.
constexpr auto Limit = 300s;

class UslugaDruku : public testing::Test {
protected:
    explicit UslugaDruku(test::Wyjscie wyjscie = test::Wyjscie::CupsPdf) : serwer_(wyjscie) {}

    void SetUp() override {
        if (!serwer_.Przeszkoda().empty())
            GTEST_SKIP() << "no CUPS scheduler of the test's own: " << serwer_.Przeszkoda();
    }

    // A printer on the test's queue, as the print dialog would leave it.
    void Wybierz(QPrinter& drukarka) {
        drukarka.setPrinterName(serwer_.Kolejka());
        ASSERT_TRUE(drukarka.isValid());
        ASSERT_EQ(drukarka.printerName(), serwer_.Kolejka());
        ASSERT_EQ(drukarka.outputFormat(), QPrinter::NativeFormat);
    }

    void ZmierzWydruk(const QPrinter& drukarka) {
        ASSERT_TRUE(serwer_.CzekajNaKoniec(1, Limit)) << serwer_.StanyZadan();
        const auto pdf = serwer_.CzekajNaPdf(Limit);
        ASSERT_TRUE(pdf.has_value()) << "cups-pdf wrote no PDF: " << serwer_.StanyZadan();
        const test::Pomiar p = test::ZmierzStrone(QString::fromStdString(pdf->string()),
                                                  QString::fromStdString(katalog_.sciezka()));
        const double tolerancja = 2 * test::Milimetr / test::RozdzielczoscPomiaru +
                                  test::Milimetr / drukarka.resolution();
        EXPECT_NEAR(p.szerokoscMm, 111.25, tolerancja);
        EXPECT_NEAR(p.wysokoscMm, 103.21, tolerancja);
    }

    test::KatalogTymczasowy katalog_;
    test::SerwerDruku serwer_;
};

TEST_F(UslugaDruku, TheInsertComesOutOfACupsPdfQueueAtTrueSize) {
    QPrinter drukarka(QPrinter::HighResolution);
    ASSERT_NO_FATAL_FAILURE(Wybierz(drukarka));
    const auto wynik = DrukujWkladke(drukarka, CzarnaWkladka());
    ASSERT_TRUE(wynik.udany) << wynik.blad.toStdString();
    ZmierzWydruk(drukarka);
}

// A calibrated printer: the user's file says what its 100 mm rulers really
// measured, and the insert is scaled by 100 / measured in each direction. A
// printer the file doesn't name prints at true size, as without a file.
TEST_F(UslugaDruku, ACalibratedPrinterPrintsTheInsertScaledAsTyped) {
    const struct {
        const char* plik; // the correction file's content
        double szerokosc, wysokosc;
    } przypadki[] = {
        {"# komentarz\r\nORBAKLAW_PDF\t98.00\t102.50\r\n", 111.25 * 100 / 98, 103.21 * 100 / 102.5},
        {"ORBAKLAW_PDF\t101.5\t100\n", 111.25 * 100 / 101.5, 103.21},
        {"Inna_drukarka\t90\t90\r\n", 111.25, 103.21},
        {nullptr, 111.25, 103.21},
    };
    const test::KatalogTymczasowy konfiguracja;
    const QByteArray poprzedni = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(konfiguracja.sciezka().string()));
    const auto plik = konfiguracja / "orbaklaw" / "drukarki.txt";
    int zadania = 0;
    for (const auto& p : przypadki) {
        std::filesystem::remove(plik);
        if (p.plik != nullptr) {
            std::filesystem::create_directories(plik.parent_path());
            std::ofstream(plik, std::ios::binary) << p.plik;
        }
        QPrinter drukarka(QPrinter::HighResolution);
        ASSERT_NO_FATAL_FAILURE(Wybierz(drukarka));
        const KorektaDruku korekta = KorektaDlaDrukarki(drukarka);
        const auto wynik = DrukujWkladke(drukarka, CzarnaWkladka(), korekta);
        ASSERT_TRUE(wynik.udany) << wynik.blad.toStdString();
        ASSERT_TRUE(serwer_.CzekajNaKoniec(++zadania, Limit)) << serwer_.StanyZadan();
        const auto pdf = serwer_.CzekajNaPdf(Limit);
        ASSERT_TRUE(pdf.has_value()) << "cups-pdf wrote no PDF: " << serwer_.StanyZadan();
        const test::Pomiar m = test::ZmierzStrone(QString::fromStdString(pdf->string()),
                                                  QString::fromStdString(katalog_.sciezka()));
        std::filesystem::remove(*pdf);
        EXPECT_NEAR(m.szerokoscMm, p.szerokosc, 0.1) << (p.plik ? p.plik : "no file");
        EXPECT_NEAR(m.wysokoscMm, p.wysokosc, 0.1) << (p.plik ? p.plik : "no file");
    }
    qputenv("XDG_CONFIG_HOME", poprzedni);
}

// Refusing needs no PDF at the end: a queue that throws its jobs away, which
// a scheduler runs as any user.
class OdmowaUslugiDruku : public UslugaDruku {
protected:
    OdmowaUslugiDruku() : UslugaDruku(test::Wyjscie::Nigdzie) {}
};

TEST_F(OdmowaUslugiDruku, AQueueThatRefusesJobsIsReportedWithTheServicesReason) {
    ASSERT_TRUE(serwer_.Odrzucaj(QStringLiteral("Kolejka zamknięta na czas testu")));
    {
        QPrinter drukarka(QPrinter::HighResolution);
        ASSERT_NO_FATAL_FAILURE(Wybierz(drukarka));
        const auto wynik = DrukujWkladke(drukarka, CzarnaWkladka());
        EXPECT_FALSE(wynik.udany);
        const QString poczatek = QStringLiteral("Drukarka ORBAKLAW_PDF nie przyjęła wydruku: ");
        EXPECT_TRUE(wynik.blad.startsWith(poczatek)) << wynik.blad.toStdString();
        EXPECT_TRUE(wynik.blad.mid(poczatek.size()).contains(serwer_.Kolejka()))
            << "the service's own reason names the queue: " << wynik.blad.toStdString();
        EXPECT_EQ(serwer_.LiczbaZadan(), 0) << "nothing is left in the queue";
    }
    // The refused job has ended: the next print goes out as usual.
    ASSERT_TRUE(serwer_.Przyjmuj());
    QPrinter drukarka(QPrinter::HighResolution);
    ASSERT_NO_FATAL_FAILURE(Wybierz(drukarka));
    const auto wynik = DrukujWkladke(drukarka, CzarnaWkladka());
    ASSERT_TRUE(wynik.udany) << wynik.blad.toStdString();
    EXPECT_TRUE(serwer_.CzekajNaKoniec(1, Limit))
        << "the job went out and ended: " << serwer_.StanyZadan();
}

#else

TEST(UslugaDruku, TheInsertComesOutOfACupsPdfQueueAtTrueSize) {
    (void)CzarnaWkladka;
    GTEST_SKIP() << "built without the CUPS client library (package libcups2-dev)";
}

#endif

} // namespace
} // namespace orbaklaw

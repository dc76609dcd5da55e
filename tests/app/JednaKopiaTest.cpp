// Copies of a guarded program started one after another, as separate processes.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Nazwa(const char* test) {
    return QString("orbaklaw test %1 %2").arg(test).arg(QCoreApplication::applicationPid());
}

// Starts the probe and waits for its first line.
std::unique_ptr<QProcess> Uruchom(const QString& nazwa, QString& linia,
                                  QStringList dodatkowe = {}) {
    auto p = std::make_unique<QProcess>();
    p->start(SONDA, QStringList{nazwa} + dodatkowe);
    if (!p->waitForStarted(5000))
        return p;
    for (int i = 0; i < 100 && !p->canReadLine(); ++i)
        p->waitForReadyRead(100);
    linia = QString::fromLocal8Bit(p->readLine()).trimmed();
    return p;
}

QString CzekajNaLinie(QProcess& p) {
    for (int i = 0; i < 50 && !p.canReadLine(); ++i)
        p.waitForReadyRead(100);
    return QString::fromLocal8Bit(p.readLine()).trimmed();
}

void Zakoncz(QProcess& p) {
    p.terminate();
    if (!p.waitForFinished(3000))
        p.kill();
    p.waitForFinished(3000);
}

TEST(JednaKopia, SecondCopyEndsAndBringsTheFirstForward) {
    const QString nazwa = Nazwa("a");
    QString linia;
    auto pierwsza = Uruchom(nazwa, linia, {"--minimalizuj"});
    ASSERT_EQ(linia, "pierwsza");

    QString linia2;
    auto druga = Uruchom(nazwa, linia2);
    EXPECT_EQ(linia2, "druga");
    // It may have ended already while its line was read.
    ASSERT_TRUE(druga->state() == QProcess::NotRunning || druga->waitForFinished(5000));
    EXPECT_EQ(druga->exitCode(), 0);
    EXPECT_EQ(CzekajNaLinie(*pierwsza), "przywolano normalne");

    Zakoncz(*pierwsza);
    QString linia3;
    auto trzecia = Uruchom(nazwa, linia3);
    EXPECT_EQ(linia3, "pierwsza") << "a new copy starts normally after the first ended";
    Zakoncz(*trzecia);
}

TEST(JednaKopia, ACopyThatDiedLeavesNothingInTheWay) {
    const QString nazwa = Nazwa("b");
    QString linia;
    auto pierwsza = Uruchom(nazwa, linia);
    ASSERT_EQ(linia, "pierwsza");
    pierwsza->kill(); // as the system ends a copy that hangs
    pierwsza->waitForFinished(3000);
    auto nastepna = Uruchom(nazwa, linia);
    EXPECT_EQ(linia, "pierwsza");
    Zakoncz(*nastepna);
}

TEST(JednaKopia, DifferentNamesDoNotExcludeEachOther) {
    QString a;
    QString b;
    auto pierwsza = Uruchom(Nazwa("c"), a);
    auto druga = Uruchom(Nazwa("d"), b);
    EXPECT_EQ(a, "pierwsza");
    EXPECT_EQ(b, "pierwsza");
    Zakoncz(*pierwsza);
    Zakoncz(*druga);
}

// The program itself, started twice in a folder of its own (its lock lives in
// the runtime folder, which the test points elsewhere so that a copy the user
// is running doesn't count).
class JednaKopiaProgramu : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        srodowisko_ = QProcessEnvironment::systemEnvironment();
        srodowisko_.insert("XDG_RUNTIME_DIR", folder_.path());
        srodowisko_.insert("QT_QPA_PLATFORM", "offscreen");
    }

    std::unique_ptr<QProcess> Uruchom() {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(srodowisko_);
        p->setWorkingDirectory(folder_.path());
        p->start(PROGRAM, {});
        EXPECT_TRUE(p->waitForStarted(5000));
        return p;
    }

    // The first copy is ready once it listens for later ones.
    bool CzekajNaGotowosc() const {
        const QDir katalog(folder_.path());
        for (int i = 0; i < 100; ++i) {
            if (!katalog.entryList({"orbaklaw-*.sock"}, QDir::System | QDir::Files).isEmpty())
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QTemporaryDir folder_;
    QProcessEnvironment srodowisko_;
};

TEST_F(JednaKopiaProgramu, SecondCopyEndsAtOnceWithoutAskingAnything) {
    auto pierwsza = Uruchom();
    ASSERT_TRUE(CzekajNaGotowosc());
    auto druga = Uruchom();
    ASSERT_TRUE(druga->waitForFinished(5000)) << "the second copy must not wait for anything";
    EXPECT_EQ(druga->exitCode(), 0);
    EXPECT_EQ(pierwsza->state(), QProcess::Running);

    Zakoncz(*pierwsza);
    auto trzecia = Uruchom();
    EXPECT_FALSE(trzecia->waitForFinished(1500)) << "after the first ended a new copy runs";
    Zakoncz(*trzecia);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

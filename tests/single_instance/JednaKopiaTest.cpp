// Copies of a guarded program started one after another, as separate processes.
#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

namespace {

QString Nazwa(const char* test) {
    return QString("orbaklaw test %1 %2").arg(test).arg(getpid());
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
    ASSERT_TRUE(druga->waitForFinished(5000));
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
    ::kill(static_cast<pid_t>(pierwsza->processId()), SIGKILL);
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "app/TCiaOnlyOne.h"

#include "app/NazwaJedynejKopii.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include "platform/BlokadaPliku.h"
#include "platform/Uzytkownik.h"

namespace orbaklaw {

namespace {

constexpr int CzasPolaczeniaMs = 1000;
const QByteArray ProsbaOPokazanie = "pokaz\n";

QString KatalogBlokad() {
    QString katalog = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (katalog.isEmpty())
        katalog = QDir::tempPath();
    return katalog;
}

QString Rdzen(const QString& unique) {
    const auto nazwa = NazwaPlikuBlokady(unique.toStdString());
    return KatalogBlokad() + "/orbaklaw-" + QString::number(platform::IdUzytkownika()) + "-" +
           QString::fromStdString(nazwa);
}

} // namespace

TCiaOnlyOne::TCiaOnlyOne(QObject* parent) : QObject(parent) {}

TCiaOnlyOne::~TCiaOnlyOne() {
    if (serwer_)
        serwer_->close();
    if (MutexHandle >= 0)
        platform::ZamknijPlikBlokady(MutexHandle); // the lock goes with the file
}

QString TCiaOnlyOne::SciezkaBlokady(const QString& unique) {
    return Rdzen(unique) + ".lock";
}

QString TCiaOnlyOne::SciezkaGniazda(const QString& unique) {
    return Rdzen(unique) + ".sock";
}

void TCiaOnlyOne::Loaded(QWidget* okno) {
    okno_ = okno;
    CheckOnlyOne();
}

void TCiaOnlyOne::CheckOnlyOne() {
    Unique = QString::fromStdString(NormalizujUnique(
        Unique.toStdString(), QCoreApplication::applicationFilePath().toStdString()));
    if (ZajmijBlokade()) {
        Nasluchuj();
        return;
    }
    AlreadyRunning = true;
    PrzywolajPierwszaKopie();
}

bool TCiaOnlyOne::ZajmijBlokade() {
    const QByteArray sciezka = QFile::encodeName(SciezkaBlokady(Unique));
    MutexHandle = platform::OtworzPlikBlokady(sciezka.constData());
    // Without a lock file there is nothing to share: run as the only copy.
    if (MutexHandle < 0)
        return true;
    return platform::ZablokujWylacznie(MutexHandle);
}

void TCiaOnlyOne::Nasluchuj() {
    const QString gniazdo = SciezkaGniazda(Unique);
    // Holding the lock, any socket left behind belongs to a copy that died.
    QLocalServer::removeServer(gniazdo);
    serwer_ = new QLocalServer(this);
    serwer_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!serwer_->listen(gniazdo))
        return;
    connect(serwer_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* polaczenie = serwer_->nextPendingConnection()) {
            connect(polaczenie, &QLocalSocket::disconnected, polaczenie, &QObject::deleteLater);
            connect(polaczenie, &QLocalSocket::readyRead, this, [this, polaczenie] {
                if (polaczenie->readAll().contains(ProsbaOPokazanie.trimmed()))
                    PokazOkno();
            });
        }
    });
}

void TCiaOnlyOne::PrzywolajPierwszaKopie() {
    QLocalSocket gniazdo;
    gniazdo.connectToServer(SciezkaGniazda(Unique));
    if (!gniazdo.waitForConnected(CzasPolaczeniaMs))
        return;
    gniazdo.write(ProsbaOPokazanie);
    gniazdo.waitForBytesWritten(CzasPolaczeniaMs);
    gniazdo.disconnectFromServer();
}

void TCiaOnlyOne::PokazOkno() {
    if (okno_) {
        if (okno_->isMinimized())
            okno_->showNormal();
        okno_->show();
        okno_->raise();
        okno_->activateWindow();
    }
    emit Przywolano();
}

} // namespace orbaklaw

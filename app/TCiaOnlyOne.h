#pragma once
// Keeps a single copy of the program running. The first copy takes a lock
// named after `Unique` and listens for later copies; a later copy finds the
// lock taken, asks the first copy to bring its window forward and ends.

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

namespace orbaklaw {

class TCiaOnlyOne : public QObject {
    Q_OBJECT
public:
    explicit TCiaOnlyOne(QObject* parent = nullptr);
    ~TCiaOnlyOne() override; // releases the lock

    // Runs the check once the window it guards exists; the window is what a
    // later copy brings forward.
    void Loaded(QWidget* okno);
    void CheckOnlyOne();

    QString Unique;
    bool AlreadyRunning = false;
    int MutexHandle = -1; // the lock file, held while this copy runs

    // Where the lock and the listening socket live, for a given name.
    static QString SciezkaBlokady(const QString& unique);
    static QString SciezkaGniazda(const QString& unique);

signals:
    // A later copy asked this one to come forward (after the window was restored).
    void Przywolano();

private:
    bool ZajmijBlokade();
    void Nasluchuj();
    void PrzywolajPierwszaKopie();
    void PokazOkno();

    QLocalServer* serwer_ = nullptr;
    QPointer<QWidget> okno_; // brought forward when a later copy asks
};

} // namespace orbaklaw

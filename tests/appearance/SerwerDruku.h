#pragma once
// A CUPS scheduler of the test's own: cupsd with a private configuration,
// spool, state and socket in a temporary folder, and one queue: a cups-pdf
// queue, so that a test prints through the real print service and finds the
// job's PDF, or one that throws its jobs away (which needs no root).
// The client side (this process, Qt's CUPS support included) is pointed at
// its socket. Where the scheduler can't run, Przeszkoda() says why.

#include "tests/support/KatalogTymczasowy.h"

#include <QProcess>
#include <QString>

#include <chrono>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace orbaklaw::test {

// Where the queue's jobs go.
enum class Wyjscie { CupsPdf, Nigdzie };

class SerwerDruku {
public:
    explicit SerwerDruku(Wyjscie wyjscie);
    ~SerwerDruku();
    SerwerDruku(const SerwerDruku&) = delete;
    SerwerDruku& operator=(const SerwerDruku&) = delete;

    // Empty when the scheduler runs with its queue; else the reason it doesn't.
    const std::string& Przeszkoda() const { return przeszkoda_; }
    QString Kolejka() const { return QStringLiteral("ORBAKLAW_PDF"); }

    // The queue refuses new jobs, giving `powod` as its state message.
    bool Odrzucaj(const QString& powod);
    bool Przyjmuj();
    // Jobs the scheduler knows of, finished ones included.
    int LiczbaZadan() const;
    // Waits on the jobs' states: true once `zadania` jobs are known and
    // every one has ended (completed, aborted or canceled); false when that
    // hasn't happened within `limit`, an overall bound for a loaded machine.
    bool CzekajNaKoniec(int zadania, std::chrono::seconds limit) const;
    // The PDF cups-pdf wrote for a job sent since the scheduler started, once
    // every job has ended and completed. None as soon as a job has ended
    // otherwise, or when none came within `limit`.
    std::optional<std::filesystem::path> CzekajNaPdf(std::chrono::seconds limit) const;
    // Each job's number and state ("1001 completed, 1002 aborted"), for a
    // failure's message.
    std::string StanyZadan() const;

private:
    bool Uruchom(Wyjscie wyjscie);
    int Trwajace() const;
    bool WszystkieUkonczone() const;
    bool Polecenie(const QString& program, const QStringList& argumenty);
    std::set<std::filesystem::path> PlikiWyjscia() const;

    const long PierwszeZadanie;
    KatalogTymczasowy katalog_;
    QProcess cupsd_;
    std::string przeszkoda_;
    std::filesystem::path gniazdo_;
    std::filesystem::path wyjscie_; // where cups-pdf puts a job of an unknown user
    std::set<std::filesystem::path> przedtem_;
};

} // namespace orbaklaw::test

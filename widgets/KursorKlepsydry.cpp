#include "widgets/KursorKlepsydry.h"

#include "files/OtwarciePliku.h"
#include "files/PlikTekstowy.h"
#include "ui/SciezkaSystemu.h"
#include "widgets/KursorAnimowany.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>

namespace orbaklaw {

namespace {

constexpr qint64 NajdluzszyKrokMs = 10000;

QString ZnajdzBezWzgleduNaWielkosc(const QDir& katalog, const QString& nazwa) {
    if (katalog.exists(nazwa))
        return katalog.filePath(nazwa);
    for (const QString& wpis : katalog.entryList(QDir::Files)) {
        if (wpis.compare(nazwa, Qt::CaseInsensitive) == 0)
            return katalog.filePath(wpis);
    }
    return {};
}

// Only a regular file of a cursor's size is read: the file is looked at
// before the window shows, where a device or a FIFO would end or stall it.
std::optional<KursorAnimowany> CzytajPlik(const QString& plik) {
    const auto dane = CzytajCalyPlik(SciezkaSystemu(plik), NajwiekszyPlikAni);
    if (!dane)
        return std::nullopt;
    return DekodujKursorAni(QByteArray::fromStdString(*dane));
}

} // namespace

KursorKlepsydry::KursorKlepsydry(QObject* rodzic) : QObject(rodzic) {
    zegar_.setSingleShot(true);
    connect(&zegar_, &QTimer::timeout, this, &KursorKlepsydry::NastepnyKrok);
}

KursorKlepsydry::~KursorKlepsydry() {
    if (poziom_ > 0 && qGuiApp != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

bool KursorKlepsydry::Wczytaj(const QString& plik) {
    zegar_.stop();
    klatki_.clear();
    kursory_.clear();
    kroki_.clear();
    krok_ = 0;
    auto kursor = CzytajPlik(plik);
    if (kursor) {
        klatki_ = std::move(kursor->klatki);
        kroki_ = std::move(kursor->kroki);
    }
    if (Widoczny() && qGuiApp != nullptr) {
        QGuiApplication::changeOverrideCursor(BiezacyKursor());
        UstawZegar();
    }
    return kursor.has_value();
}

bool KursorKlepsydry::WczytajZBiezacegoKatalogu() {
    return WczytajZBiezacegoKataloguLub(QString());
}

bool KursorKlepsydry::WczytajZBiezacegoKataloguLub(const QString& zapasowyKatalog) {
    const QString nazwa = QString::fromLatin1(NazwaPliku);
    QString plik = ZnajdzBezWzgleduNaWielkosc(QDir::current(), nazwa);
    if (plik.isEmpty() && !zapasowyKatalog.isEmpty())
        plik = ZnajdzBezWzgleduNaWielkosc(QDir(zapasowyKatalog), nazwa);
    return !plik.isEmpty() && Wczytaj(plik);
}

QCursor KursorKlepsydry::BiezacyKursor() {
    if (klatki_.empty())
        return QCursor(Qt::WaitCursor);
    if (kursory_.empty()) {
        for (const KlatkaKursora& k : klatki_)
            kursory_.emplace_back(QPixmap::fromImage(k.obraz), k.punktAktywny.x(),
                                  k.punktAktywny.y());
    }
    return kursory_[kroki_[krok_].klatka];
}

void KursorKlepsydry::Pokaz() {
    if (poziom_++ > 0 || qGuiApp == nullptr)
        return;
    krok_ = 0;
    QGuiApplication::setOverrideCursor(BiezacyKursor());
    UstawZegar();
}

void KursorKlepsydry::Przywroc() {
    if (poziom_ == 0 || --poziom_ > 0 || qGuiApp == nullptr)
        return;
    zegar_.stop();
    QGuiApplication::restoreOverrideCursor();
}

void KursorKlepsydry::UstawZegar() {
    if (kroki_.size() < 2)
        return;
    const qint64 ms = static_cast<qint64>(kroki_[krok_].jiffies) * 1000 / 60;
    zegar_.start(static_cast<int>(qBound<qint64>(1, ms, NajdluzszyKrokMs)));
}

void KursorKlepsydry::NastepnyKrok() {
    if (poziom_ == 0 || kroki_.empty())
        return;
    krok_ = (krok_ + 1) % kroki_.size();
    QGuiApplication::changeOverrideCursor(BiezacyKursor());
    UstawZegar();
}

} // namespace orbaklaw

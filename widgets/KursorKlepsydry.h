#pragma once
// The busy cursor shown while the register works. It is the animated
// "hourglas.ani" of the working folder (or, when that folder has none, of the
// installed data folder) when that file can be read, else the standard busy
// cursor; a missing or broken file is never an error.

#include "widgets/KursorAnimowany.h"

#include <QCursor>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

namespace orbaklaw {

class KursorKlepsydry : public QObject {
    Q_OBJECT

public:
    static constexpr const char* NazwaPliku = "hourglas.ani";

    explicit KursorKlepsydry(QObject* rodzic = nullptr);
    ~KursorKlepsydry() override;

    // Loads an animated cursor; false (and the standard cursor) if it can't.
    // Works before the application object exists, as the program loads the
    // file first thing at start.
    bool Wczytaj(const QString& plik);
    // Loads "hourglas.ani" from the current directory, whatever its case.
    bool WczytajZBiezacegoKatalogu();
    // The same, but when the current directory has no such file, from
    // `zapasowyKatalog` (the installed data folder). A file in the current
    // directory is the one used, even when it can't be read.
    bool WczytajZBiezacegoKataloguLub(const QString& zapasowyKatalog);
    bool Animowany() const { return !klatki_.empty(); }

    // Shows the busy cursor over the whole application. Calls nest: the
    // cursor goes away at the Przywroc matching the first Pokaz.
    void Pokaz();
    void Przywroc();
    bool Widoczny() const { return poziom_ > 0; }
    // The step of the animation on show (0 when not animated).
    size_t BiezacyKrok() const { return krok_; }

private:
    void NastepnyKrok();
    void UstawZegar();
    QCursor BiezacyKursor();

    std::vector<KlatkaKursora> klatki_;
    std::vector<QCursor> kursory_; // made from klatki_ once the application exists
    std::vector<AnimacjaAni::Krok> kroki_;
    QTimer zegar_;
    int poziom_ = 0;
    size_t krok_ = 0;
};

} // namespace orbaklaw

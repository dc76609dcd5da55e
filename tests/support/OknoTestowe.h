#pragma once
// A fresh program state and the real main window, shown and active, with
// scripted dialogs.

#include "DialogiTestowe.h"
#include "app/Unit3.h"
#include "state/Stan.h"
#include "tests/support/KatalogTymczasowy.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace orbaklaw {

class GrupaRadiowa;

class OknoTestowe : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    template <typename W = QWidget> W* Kontrolka(const char* nazwa) const {
        auto* w = okno->findChild<W*>(QString::fromLatin1(nazwa));
        EXPECT_NE(w, nullptr) << nazwa;
        return w;
    }
    QLineEdit* Pole(const char* nazwa) const { return Kontrolka<QLineEdit>(nazwa); }
    QComboBox* Wybor(const char* nazwa) const { return Kontrolka<QComboBox>(nazwa); }
    GrupaRadiowa* Grupa(const char* nazwa) const;

    // A left-button press on the keyboard picture.
    void Nacisnij(int x, int y);
    void UstawWariant(int wariant);
    // Clicks item `i` of a radio group as the user would.
    void KliknijPozycje(const char* grupa, int i);
    void Kliknij(const char* przycisk);
    // Types `tekst` character by character, any Unicode (QTest takes only Latin-1).
    static void Wpisz(QWidget* w, const QString& tekst);
    // Once a modal dialog of Qt class `klasa` ("QMessageBox", "QFileDialog")
    // is up, runs `akcja` on it, as a user's keys would; one still open
    // after five seconds is closed, so a failing case can't hang.
    void NaOknie(const char* klasa, std::function<void(QWidget&)> akcja);
    // Presses a key in the next real message box.
    void NacisnijWOknie(Qt::Key klawisz);
    // Types the path into the next real file dialog and presses Enter.
    void WybierzWOknie(const QString& sciezka);
    QString NazwaKlawisza() const;
    int Rodzaj() const;
    DefinicjaKlawisza& Slot(int wariant, int nr) { return *Stan().tablice.Slot(wariant, nr); }

    DialogiTestowe dialogi;
    std::unique_ptr<TForm3> okno;

private:
    std::unique_ptr<QObject> kontekst_ = std::make_unique<QObject>();
    std::unique_ptr<test::KatalogTymczasowy> ustawienia_;
};

} // namespace orbaklaw

#pragma once
// A fresh program state and the real main window, shown and active, with
// scripted dialogs.

#include "DialogiTestowe.h"
#include "app/Unit3.h"
#include "state/Stan.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

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
    QString NazwaKlawisza() const;
    int Rodzaj() const;
    DefinicjaKlawisza& Slot(int wariant, int nr) { return *Stan().tablice.Slot(wariant, nr); }

    DialogiTestowe dialogi;
    std::unique_ptr<TForm3> okno;
};

} // namespace orbaklaw

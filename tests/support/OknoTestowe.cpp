#include "OknoTestowe.h"

#include "widgets/GrupaRadiowa.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

namespace orbaklaw {

void OknoTestowe::SetUp() {
    NowyStan();
    okno = std::make_unique<TForm3>(dialogi);
    okno->show();
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
}

void OknoTestowe::TearDown() {
    okno.reset();
}

GrupaRadiowa* OknoTestowe::Grupa(const char* nazwa) const {
    return Kontrolka<GrupaRadiowa>(nazwa);
}

void OknoTestowe::Nacisnij(int x, int y) {
    QTest::mousePress(Kontrolka("iWkladka"), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void OknoTestowe::UstawWariant(int wariant) {
    KliknijPozycje("rgAlty", wariant);
}

void OknoTestowe::KliknijPozycje(const char* grupa, int i) {
    QRadioButton* przycisk = Grupa(grupa)->Przycisk(i);
    QTest::mouseClick(przycisk, Qt::LeftButton, Qt::NoModifier, QPoint(5, przycisk->height() / 2));
}

void OknoTestowe::Kliknij(const char* przycisk) {
    QTest::mouseClick(Kontrolka<QPushButton>(przycisk), Qt::LeftButton);
}

void OknoTestowe::Wpisz(QWidget* w, const QString& tekst) {
    for (char32_t znak : tekst.toUcs4()) {
        const QString jeden = QString::fromUcs4(&znak, 1);
        QKeyEvent nacisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, jeden);
        QApplication::sendEvent(w, &nacisk);
        QKeyEvent puszczenie(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, jeden);
        QApplication::sendEvent(w, &puszczenie);
    }
}

QString OknoTestowe::NazwaKlawisza() const {
    return Kontrolka<QLabel>("Klawisz")->text();
}

int OknoTestowe::Rodzaj() const {
    return Grupa("rgDefinicja")->ItemIndex();
}

} // namespace orbaklaw

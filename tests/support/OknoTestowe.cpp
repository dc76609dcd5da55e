#include "OknoTestowe.h"

#include "widgets/GrupaRadiowa.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace orbaklaw {

void OknoTestowe::SetUp() {
    NowyStan();
    // The dialogs' folders are remembered in a settings folder of the test's own.
    ustawienia_ = std::make_unique<test::KatalogTymczasowy>();
    qputenv("XDG_CONFIG_HOME",
            QFile::encodeName(QString::fromStdString(ustawienia_->sciezka().string())));
    okno = std::make_unique<TForm3>(dialogi);
    okno->show();
    okno->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(okno.get()));
}

void OknoTestowe::TearDown() {
    kontekst_.reset();
    okno.reset();
    ustawienia_.reset();
}

void OknoTestowe::NaOknie(const char* klasa, std::function<void(QWidget&)> akcja) {
    auto* czekanie = new QTimer(kontekst_.get());
    auto zegar = std::make_shared<QElapsedTimer>();
    zegar->start();
    QObject::connect(czekanie, &QTimer::timeout, czekanie, [=] {
        QWidget* w = QApplication::activeModalWidget();
        const bool jest = w != nullptr && w->inherits(klasa) && w->isVisible();
        if (jest && zegar->elapsed() < 5000) {
            czekanie->deleteLater();
            czekanie->stop();
            akcja(*w);
            // A dialog the keys did not close would hold the test forever.
            QPointer<QWidget> otwarte(w);
            QTimer::singleShot(5000, otwarte, [otwarte] {
                ADD_FAILURE() << "the dialog stayed open";
                if (auto* d = qobject_cast<QDialog*>(otwarte.data()); d && d->isVisible())
                    d->reject();
            });
        } else if (zegar->elapsed() >= 5000) {
            czekanie->deleteLater();
            czekanie->stop();
            ADD_FAILURE() << "no " << klasa << " came up";
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
        }
    });
    czekanie->start(10);
}

void OknoTestowe::NacisnijWOknie(Qt::Key klawisz) {
    NaOknie("QMessageBox", [klawisz](QWidget& w) { QTest::keyClick(&w, klawisz); });
}

void OknoTestowe::WybierzWOknie(const QString& sciezka) {
    NaOknie("QFileDialog", [sciezka](QWidget& w) {
        auto* nazwa = w.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nazwa, nullptr);
        // Typed whole: the completer's list would take the first Enter.
        nazwa->setFocus();
        nazwa->setText(sciezka);
        QTest::keyClick(nazwa, Qt::Key_Return);
    });
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

#include "ui/WbudowanyWyborCzcionki.h"

#include <QKeyEvent>

namespace orbaklaw {

WbudowanyWyborCzcionki::WbudowanyWyborCzcionki(const QFont& czcionka, QDialog& okno)
    : QFontDialog(czcionka, &okno), okno_(okno) {
    setOptions(QFontDialog::NoButtons);
    setWindowFlags(Qt::Widget);
    setSizeGripEnabled(false); // the dialog around has its own edge
}

void WbudowanyWyborCzcionki::done(int wynik) {
    okno_.done(wynik);
}

void WbudowanyWyborCzcionki::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QFontDialog::keyPressEvent(e);
}

} // namespace orbaklaw

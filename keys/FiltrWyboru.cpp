#include "keys/FiltrWyboru.h"

#include <QKeyEvent>

namespace orbaklaw {

void FiltrWyboru::Obsluguj(QObject* wybor) {
    wybor->installEventFilter(this);
}

// cbTowaryKeyPress, cbFunkcjaKeyPress, cbPlatnoscKeyPress: a key that types
// a printable character is dropped; Enter, Escape and the arrows still work.
bool FiltrWyboru::eventFilter(QObject*, QEvent* zdarzenie) {
    return WpisujeZnak(zdarzenie);
}

bool WpisujeZnak(const QEvent* zdarzenie) {
    if (zdarzenie->type() != QEvent::KeyPress)
        return false;
    const auto* k = static_cast<const QKeyEvent*>(zdarzenie);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString tekst = k->text();
    return !tekst.isEmpty() && tekst[0].isPrint();
}

} // namespace orbaklaw

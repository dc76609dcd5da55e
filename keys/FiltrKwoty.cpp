#include "keys/FiltrKwoty.h"

#include "app/Akcje.h"
#include "app/Tekst1250.h"
#include "keys/NormalizujKwote.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace orbaklaw {

namespace {
// Edit10KeyPress: every other typed character, Backspace and Enter included,
// is dropped. Keys that type nothing (arrows, Delete) pass.
bool Przepuszczony(const QKeyEvent& k) {
    if (k.key() == Qt::Key_Backspace || k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter)
        return false;
    if (k.text().isEmpty() || (k.modifiers() & Qt::ControlModifier))
        return true;
    for (QChar c : k.text())
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(','))
            return false;
    return k.text().size() == 1 && k.text()[0].unicode() < 128;
}
} // namespace

FiltrKwoty::FiltrKwoty(QLineEdit& Edit10, const Akcje& akcje) : Edit10_(Edit10), akcje_(akcje) {
    Edit10_.installEventFilter(this);
}

bool FiltrKwoty::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt != &Edit10_)
        return false;
    if (zdarzenie->type() == QEvent::KeyPress)
        return !Przepuszczony(*static_cast<QKeyEvent*>(zdarzenie));
    if (zdarzenie->type() == QEvent::FocusOut) {
        const auto powod = static_cast<QFocusEvent*>(zdarzenie)->reason();
        if (powod != Qt::ActiveWindowFocusReason && powod != Qt::PopupFocusReason)
            akcje_.Wykonaj([this] { Edit10Exit(); });
    }
    return false;
}

void FiltrKwoty::Edit10Exit() {
    const auto wynik = NormalizujKwote(Do1250(Edit10_.text()));
    Edit10_.setText(wynik ? Z1250(*wynik) : QStringLiteral("!!!"));
}

} // namespace orbaklaw

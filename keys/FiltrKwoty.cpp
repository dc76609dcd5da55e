#include "keys/FiltrKwoty.h"

#include "keys/NormalizujKwote.h"
#include "ui/Akcje.h"
#include "ui/Tekst1250.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <memory>

namespace orbaklaw {

namespace {
// The typing limit of the amount field.
constexpr int DlugoscWpisu = 9;

bool ZnakKwoty(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
           c == QLatin1Char(',');
}
} // namespace

FiltrKwoty::FiltrKwoty(QLineEdit& Edit10, const Akcje& akcje) : Edit10_(Edit10), akcje_(akcje) {
    // Everything the user puts in comes through the keys, the clipboard
    // paths below, or not at all.
    Edit10_.setAcceptDrops(false);
    Edit10_.setAttribute(Qt::WA_InputMethodEnabled, false);
    Edit10_.installEventFilter(this);
}

bool FiltrKwoty::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt != &Edit10_)
        return false;
    switch (zdarzenie->type()) {
    case QEvent::KeyPress:
        return Odrzucony(*static_cast<QKeyEvent*>(zdarzenie));
    case QEvent::FocusOut: {
        const auto powod = static_cast<QFocusEvent*>(zdarzenie)->reason();
        if (powod != Qt::ActiveWindowFocusReason && powod != Qt::PopupFocusReason)
            akcje_.Wykonaj([this] { Edit10Exit(); });
        return false;
    }
    case QEvent::ContextMenu:
        MenuPodreczne(static_cast<QContextMenuEvent*>(zdarzenie)->globalPos());
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(zdarzenie)->button() != Qt::MiddleButton)
            return false;
        if (QGuiApplication::clipboard()->supportsSelection())
            Wklej(QClipboard::Selection);
        return true;
    default:
        return false;
    }
}

// Only typed characters are filtered: a digit, a full stop or a comma passes
// while there is room; Backspace and Enter are dropped too. Keys that type
// nothing (Tab, arrows, Delete, Escape) pass.
bool FiltrKwoty::Odrzucony(const QKeyEvent& k) {
    if (k.matches(QKeySequence::Paste)) {
        Wklej(QClipboard::Clipboard);
        return true;
    }
    if (k.key() == Qt::Key_Backspace || k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter)
        return true;
    const QString tekst = k.text();
    if (tekst.isEmpty() || (k.modifiers() & Qt::ControlModifier) || !tekst[0].isPrint())
        return false;
    if (!std::all_of(tekst.begin(), tekst.end(), ZnakKwoty))
        return true;
    return tekst.size() > Miejsce();
}

int FiltrKwoty::Miejsce() const {
    const auto zostaje = Edit10_.text().size() - Edit10_.selectedText().size();
    return std::max(0, DlugoscWpisu - static_cast<int>(zostaje));
}

void FiltrKwoty::Wklej(QClipboard::Mode skad) {
    QString tekst = QGuiApplication::clipboard()->text(skad);
    const auto koniecLinii = std::find_if(tekst.begin(), tekst.end(), [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    tekst.truncate(std::min<qsizetype>(koniecLinii - tekst.begin(), Miejsce()));
    if (!tekst.isEmpty() || Edit10_.hasSelectedText())
        Edit10_.insert(tekst);
}

void FiltrKwoty::MenuPodreczne(const QPoint& gdzie) {
    const std::unique_ptr<QMenu> menu(Edit10_.createStandardContextMenu());
    if (auto* wklej = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(wklej, &QAction::triggered, nullptr, nullptr);
        connect(wklej, &QAction::triggered, this, [this] { Wklej(QClipboard::Clipboard); });
    }
    menu->exec(gdzie);
}

void FiltrKwoty::Edit10Exit() {
    const auto wynik = NormalizujKwote(Do1250(Edit10_.text()));
    Edit10_.setText(wynik ? Z1250(*wynik) : QStringLiteral("!!!"));
}

} // namespace orbaklaw

#include "ui/BlokadaWejscia.h"

#include <QCoreApplication>
#include <QEvent>

namespace orbaklaw {

BlokadaWejscia::BlokadaWejscia() {
    QCoreApplication::instance()->installEventFilter(this);
}

BlokadaWejscia::~BlokadaWejscia() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool BlokadaWejscia::Wejscie(const QEvent& e) {
    switch (e.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool BlokadaWejscia::eventFilter(QObject* obiekt, QEvent* e) {
    if (e->type() == QEvent::Close && obiekt->isWidgetType()) {
        // A close box clicked meanwhile neither ends the program under a
        // running exchange nor later.
        e->ignore();
        return true;
    }
    return Wejscie(*e);
}

} // namespace orbaklaw

#include "appearance/WalidatorEtykiety.h"

#include "ui/Tekst1250.h"

#include <QLineEdit>

namespace orbaklaw {

WalidatorEtykiety::WalidatorEtykiety(QLineEdit& pole, int limit)
    : QValidator(&pole), pole_(pole), limit_(limit) {
    connect(&pole, &QLineEdit::textChanged, this,
            [this](const QString& tekst) { dlugoscPrzed_ = tekst.size(); });
}

QValidator::State WalidatorEtykiety::validate(QString& tekst, int&) const {
    // A text the program sets (setText leaves nothing to undo) is taken whole:
    // one loaded from a label file may be longer than the limit.
    if (!pole_.isUndoAvailable())
        return Acceptable;
    if (!Miesci1250(tekst))
        return Invalid;
    // Typing stops at the limit; a longer text may shrink but not grow.
    if (tekst.size() > limit_ && tekst.size() > dlugoscPrzed_)
        return Invalid;
    return Acceptable;
}

} // namespace orbaklaw

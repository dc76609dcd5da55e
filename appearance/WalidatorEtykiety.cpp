#include "appearance/WalidatorEtykiety.h"

#include "app/Tekst1250.h"

#include <QLineEdit>

namespace orbaklaw {

WalidatorEtykiety::WalidatorEtykiety(const QLineEdit& pole, int limit, QObject* rodzic)
    : QValidator(rodzic), pole_(pole), limit_(limit) {}

QValidator::State WalidatorEtykiety::validate(QString& tekst, int&) const {
    if (!Miesci1250(tekst))
        return Invalid;
    // A text loaded from a label file may be longer than the limit: it stays,
    // and may shrink, but typing cannot make it longer.
    if (tekst.size() > limit_ && tekst.size() > pole_.text().size())
        return Invalid;
    return Acceptable;
}

} // namespace orbaklaw

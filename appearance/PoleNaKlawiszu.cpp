#include "appearance/PoleNaKlawiszu.h"

#include "appearance/WalidatorEtykiety.h"

#include <QFocusEvent>

namespace orbaklaw {

PoleNaKlawiszu::PoleNaKlawiszu(const PoleEtykiety& opis, QWidget* rodzic)
    : QLineEdit(rodzic), walidator_(new WalidatorEtykiety(*this, opis.limit)),
      nrKlawisza_(opis.nrKlawisza) {
    setObjectName(QString::fromLatin1(opis.nazwa));
    setGeometry(opis.miejsce.left, opis.miejsce.top, opis.miejsce.width, opis.miejsce.height);
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setValidator(walidator_);
    const uint32_t rgb = Cyfra() ? KolorEtykietyCyfry : KolorEtykietyF;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, QColor::fromRgb(rgb));
    setPalette(paleta);
    setAutoFillBackground(true);
    // A text wider than the field shows its beginning unless being edited:
    // the program's setText leaves the field unmodified, typing does not.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified())
            setCursorPosition(0);
    });
    hide();
}

int PoleNaKlawiszu::Limit() const {
    return walidator_->Limit();
}

void PoleNaKlawiszu::UstawLimit(int limit) {
    walidator_->UstawLimit(limit);
}

QColor PoleNaKlawiszu::Kolor() const {
    return palette().color(QPalette::Base);
}

void PoleNaKlawiszu::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        setCursorPosition(0);
}

void PoleNaKlawiszu::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        emit wejscie();
}

} // namespace orbaklaw

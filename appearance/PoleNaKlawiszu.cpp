#include "appearance/PoleNaKlawiszu.h"

#include "appearance/WalidatorEtykiety.h"

#include <QFocusEvent>

namespace orbaklaw {

PoleNaKlawiszu::PoleNaKlawiszu(const PoleEtykiety& opis, QWidget* rodzic)
    : QLineEdit(rodzic), walidator_(new WalidatorEtykiety(*this, opis.limit)),
      nrKlawisza_(opis.nrKlawisza), limitWkladki_(opis.limit) {
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
    connect(this, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        if (!isModified()) {
            setCursorPosition(0);
            // The program put another text here (a definition's name, a
            // label file, the default layout): none of the user's is left.
            // Padding by a save or a print changes nothing of the insert.
            if (NaWkladce(tekst) != NaWkladce(ostatni_))
                zapamietany_ = tekst;
        }
        ostatni_ = tekst;
    });
    hide();
}

int PoleNaKlawiszu::Limit() const {
    return walidator_->Limit();
}

void PoleNaKlawiszu::UstawLimit(int limit) {
    walidator_->UstawLimit(limit);
}

QString PoleNaKlawiszu::NaWkladce(const QString& tekst) const {
    if (tekst.isEmpty() || tekst.size() >= limitWkladki_)
        return tekst;
    return tekst.leftJustified(limitWkladki_, QLatin1Char(' '));
}

bool PoleNaKlawiszu::Zmieniony() const {
    return NaWkladce(text()) != NaWkladce(zapamietany_);
}

void PoleNaKlawiszu::Zapamietaj() {
    zapamietany_ = text();
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

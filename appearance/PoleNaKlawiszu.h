#pragma once
// One label field over the keyboard picture: a borderless line of insert
// text in its key group's colour.

#include "appearance/PolaEtykiet.h"

#include <QLineEdit>

namespace orbaklaw {

class WalidatorEtykiety;

class PoleNaKlawiszu : public QLineEdit {
    Q_OBJECT

public:
    PoleNaKlawiszu(const PoleEtykiety& opis, QWidget* rodzic);

    int NrKlawisza() const { return nrKlawisza_; }
    bool Cyfra() const { return nrKlawisza_ >= 9; }

    // The typing limit; unlike Qt's maxLength it never cuts a longer text.
    int Limit() const;
    void UstawLimit(int limit);

    QColor Kolor() const;

    // Whether the field holds a text the user typed since the program last
    // put one there or the labels were last saved or read: one the insert
    // would show otherwise than what the program knows of.
    bool Zmieniony() const;
    // The text as it is now is kept (the labels were saved or read).
    void Zapamietaj();

signals:
    // The field got the focus from the user or the program (not from the
    // window coming back to the front).
    void wejscie();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // The text padded as the insert pads it: "AB" and "AB" with trailing
    // spaces up to the limit are one insert.
    QString NaWkladce(const QString& tekst) const;

    WalidatorEtykiety* walidator_;
    int nrKlawisza_;
    int limitWkladki_;
    QString zapamietany_; // as last put by the program, saved or read
    QString ostatni_;     // the text before the last change
};

} // namespace orbaklaw

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

signals:
    // The field got the focus from the user or the program (not from the
    // window coming back to the front).
    void wejscie();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    WalidatorEtykiety* walidator_;
    int nrKlawisza_;
};

} // namespace orbaklaw

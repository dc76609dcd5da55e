#pragma once
// Qt's font chooser as a part of another dialog: Enter and Escape inside it
// (its lists take Enter as "done") end the dialog it sits in instead of
// hiding the chooser alone.

#include <QFontDialog>

namespace orbaklaw {

class WbudowanyWyborCzcionki : public QFontDialog {
    Q_OBJECT

public:
    WbudowanyWyborCzcionki(const QFont& czcionka, QDialog& okno);

    void done(int wynik) override;

protected:
    // Enter goes on to the dialog around, whose default button is OK.
    void keyPressEvent(QKeyEvent* e) override;

private:
    QDialog& okno_;
};

} // namespace orbaklaw

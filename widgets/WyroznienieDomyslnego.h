#pragma once
// Which push button of the main window is drawn as the default: the one with
// the focus, since Enter presses it, and otherwise the window's default
// button, which Enter acts on from every other control.

#include <QObject>

class QPushButton;
class QWidget;

namespace orbaklaw {

class WyroznienieDomyslnego : public QObject {
    Q_OBJECT

public:
    WyroznienieDomyslnego(QWidget& okno, QPushButton& domyslny);

private:
    void Pokaz(QWidget* fokus);

    QWidget& okno_;
    QPushButton& domyslny_;
};

} // namespace orbaklaw

#pragma once
// The goods, function and payment choosers take no typing: a choice is made
// from the list or with the arrow keys.

#include <QObject>

class QEvent;

namespace orbaklaw {

// Whether `zdarzenie` is a key press that types a printable character
// (neither Ctrl nor Alt held).
bool WpisujeZnak(const QEvent* zdarzenie);

class FiltrWyboru : public QObject {
    Q_OBJECT

public:
    explicit FiltrWyboru(QObject* rodzic) : QObject(rodzic) {}

    // Installs the filter on `wybor`.
    void Obsluguj(QObject* wybor);

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};

} // namespace orbaklaw

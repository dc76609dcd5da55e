#pragma once
// The amount field: only digits, full stops and commas can be typed, and the
// text is tidied (NormalizujKwote) when the focus leaves it.

#include <QObject>

class QLineEdit;

namespace orbaklaw {

class Akcje;

class FiltrKwoty : public QObject {
    Q_OBJECT

public:
    FiltrKwoty(QLineEdit& Edit10, const Akcje& akcje);

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

    void Edit10Exit();

private:
    QLineEdit& Edit10_;
    const Akcje& akcje_;
};

} // namespace orbaklaw

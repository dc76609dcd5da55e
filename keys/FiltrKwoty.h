#pragma once
// The amount field: only digits, full stops and commas can be typed, at most
// nine characters, and the text is tidied (NormalizujKwote) when the focus
// leaves it. The limits act on what the user types or pastes only: an amount
// the program shows is shown whole, however long.

#include <QClipboard>
#include <QObject>

class QKeyEvent;
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
    // Edit10KeyPress: true when the key is dropped.
    bool Odrzucony(const QKeyEvent& k);
    // Room left for typing: the limit less the text that stays.
    int Miejsce() const;
    // Pastes what fits of the clipboard's first line.
    void Wklej(QClipboard::Mode skad);
    void MenuPodreczne(const QPoint& gdzie);

    QLineEdit& Edit10_;
    const Akcje& akcje_;
};

} // namespace orbaklaw

#pragma once
// The goods chooser is searched by typing: a goods number, with or without
// its leading zeros, or the start of a goods name (whatever its case) chooses
// the first item that fits; a pause of a second starts a new search. Other
// typed characters are dropped, as the other choosers drop them.

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace orbaklaw {

class WyszukiwanieTowaru : public QObject {
    Q_OBJECT

public:
    WyszukiwanieTowaru(QComboBox& towary, QObject* rodzic);

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    // The item the text typed so far stands for; -1 when none.
    int Znajdz() const;

    QComboBox& towary_;
    QString wpisane_;
    QElapsedTimer odOstatniego_;
};

} // namespace orbaklaw

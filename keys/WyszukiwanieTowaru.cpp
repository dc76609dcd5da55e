#include "keys/WyszukiwanieTowaru.h"

#include "keys/FiltrWyboru.h"

#include <QComboBox>
#include <QKeyEvent>

namespace orbaklaw {

namespace {
// A pause longer than this starts a new search.
constexpr qint64 PrzerwaMs = 1000;
// An item is the goods number in three digits, a blank and the name.
constexpr qsizetype PoczatekNazwy = 4;
} // namespace

WyszukiwanieTowaru::WyszukiwanieTowaru(QComboBox& towary, QObject* rodzic)
    : QObject(rodzic), towary_(towary) {
    towary_.installEventFilter(this);
}

bool WyszukiwanieTowaru::eventFilter(QObject*, QEvent* zdarzenie) {
    if (!WpisujeZnak(zdarzenie))
        return false;
    const QString tekst = static_cast<QKeyEvent*>(zdarzenie)->text();
    if (!odOstatniego_.isValid() || odOstatniego_.elapsed() > PrzerwaMs)
        wpisane_.clear();
    odOstatniego_.start();
    wpisane_ += tekst;
    if (const int pozycja = Znajdz(); pozycja >= 0)
        towary_.setCurrentIndex(pozycja);
    return true;
}

int WyszukiwanieTowaru::Znajdz() const {
    bool liczba = false;
    const int numer = wpisane_.toInt(&liczba);
    if (liczba && wpisane_.front().isDigit())
        return numer >= 1 && numer <= towary_.count() ? numer - 1 : -1;
    for (int i = 0; i < towary_.count(); ++i)
        if (towary_.itemText(i).mid(PoczatekNazwy).startsWith(wpisane_, Qt::CaseInsensitive))
            return i;
    return -1;
}

} // namespace orbaklaw

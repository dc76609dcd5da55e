#pragma once
// What the user sees when an action fails unexpectedly: the reason, and the
// choice to end the program or go on.

#include <QString>

class QWidget;

namespace orbaklaw {

class Dialogi;

class ObslugaWyjatku {
public:
    ObslugaWyjatku(Dialogi& dialogi, QWidget& oknoGlowne);

    // `komunikat` is the exception's message. Yes closes the main window.
    void operator()(const QString& komunikat) const;

    static QString Tekst(const QString& komunikat);

private:
    Dialogi& dialogi_;
    QWidget& oknoGlowne_;
};

} // namespace orbaklaw

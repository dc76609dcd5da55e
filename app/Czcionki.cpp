#include "app/Czcionki.h"

#include <QStringList>

namespace orbaklaw {

void UstawZastepstwaCzcionek() {
    // Narrow sans faces first: the form was laid out for the small
    // Windows fonts and wide ones would not fit its captions.
    const QStringList zastepcze{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), zastepcze);
    QFont::insertSubstitutions(QStringLiteral("Arial"), zastepcze);
}

QFont CzcionkaOkna(int punkty) {
    return QFont(QStringLiteral("MS Sans Serif"), punkty);
}

QFont CzcionkaArial(int punkty) {
    return QFont(QStringLiteral("Arial"), punkty);
}

} // namespace orbaklaw

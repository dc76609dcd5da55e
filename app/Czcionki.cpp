#include "app/Czcionki.h"

#include <QFontDatabase>
#include <QStringList>

namespace orbaklaw {

namespace {
const QString DejaVu = QStringLiteral("DejaVu Sans");

// The first of the narrow faces that is installed; DejaVu Sans, which every
// Debian desktop has, is drawn condensed (see Czcionka).
QString Zastepcza() {
    for (const QString& rodzina : {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")})
        if (QFontDatabase::hasFamily(rodzina))
            return rodzina;
    return DejaVu;
}

QFont Czcionka(const QString& rodzina, int punkty) {
    QFont czcionka(rodzina, punkty);
    if (!QFontDatabase::hasFamily(rodzina) && Zastepcza() == DejaVu)
        czcionka.setStretch(QFont::SemiCondensed); // picks the Condensed face as it is
    return czcionka;
}
} // namespace

void UstawZastepstwaCzcionek() {
    // Narrow sans faces: the form was laid out for the small Windows fonts
    // and wide ones would not fit its captions.
    const QString zastepcza = Zastepcza();
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), zastepcza);
    QFont::insertSubstitution(QStringLiteral("Arial"), zastepcza);
}

QFont CzcionkaOkna(int punkty) {
    return Czcionka(QStringLiteral("MS Sans Serif"), punkty);
}

QFont CzcionkaArial(int punkty) {
    return Czcionka(QStringLiteral("Arial"), punkty);
}

} // namespace orbaklaw

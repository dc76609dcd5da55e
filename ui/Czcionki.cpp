#include "ui/Czcionki.h"

#include <QFontDatabase>
#include <QStringList>

namespace orbaklaw {

namespace {
// DejaVu Sans, which every Debian desktop has, drawn condensed (its condensed
// faces come with fonts-dejavu-extra): one stand-in whatever else is
// installed, so the captions always fit the same way.
const QString DejaVu = QStringLiteral("DejaVu Sans");

QString Zastepcza() {
    return DejaVu;
}

QFont Czcionka(const QString& rodzina, int punkty) {
    QFont czcionka(rodzina, punkty);
    if (!QFontDatabase::hasFamily(rodzina))
        czcionka.setStretch(QFont::Condensed);
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

#include "ui/Tekst1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orbaklaw {

QString Z1250(const std::string& tekst) {
    QStringDecoder dekoder("windows-1250");
    return dekoder(QByteArray::fromStdString(tekst));
}

std::string Do1250(const QString& tekst) {
    QStringEncoder koder("windows-1250");
    const QByteArray bajty = koder(tekst);
    return bajty.toStdString();
}

bool Miesci1250(const QString& tekst) {
    // A character without a byte comes back as something else.
    return Z1250(Do1250(tekst)) == tekst;
}

QString Z852(const std::string& tekst) {
    QStringDecoder dekoder("IBM852");
    return dekoder(QByteArray::fromStdString(tekst));
}

} // namespace orbaklaw

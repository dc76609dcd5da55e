#include "ui/SciezkaSystemu.h"

#include <QFile>

namespace orbaklaw {

std::filesystem::path SciezkaSystemu(const QString& sciezka) {
    return QFile::encodeName(sciezka).toStdString();
}

QString SciezkaDoPokazania(const std::string& sciezka) {
    return QFile::decodeName(QByteArray::fromStdString(sciezka));
}

QString ZastrzezonaNazwaPliku(const QString& sciezka) {
    return sciezka + QStringLiteral(" : zastrzeżona nazwa pliku");
}

} // namespace orbaklaw

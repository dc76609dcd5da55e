#include "ui/SciezkaSystemu.h"

#include "platform/KodowanieSciezek.h"

#include <QFile>

#include <type_traits>

namespace orbaklaw {

namespace {
// Where the file system's paths are UTF-16 (Windows), a QString passes as it
// is; elsewhere it is encoded as the system encodes file names.
constexpr bool SciezkiSzerokie = std::is_same_v<std::filesystem::path::value_type, wchar_t>;
} // namespace

std::filesystem::path SciezkaSystemu(const QString& sciezka) {
    if constexpr (SciezkiSzerokie)
        return std::filesystem::path(sciezka.toStdWString());
    else
        return QFile::encodeName(sciezka).toStdString();
}

QString SciezkaQt(const std::filesystem::path& sciezka) {
    if constexpr (SciezkiSzerokie)
        return QString::fromStdWString(sciezka.wstring());
    else
        return QFile::decodeName(QByteArray::fromStdString(sciezka.string()));
}

QString SciezkaDoPokazania(const std::string& sciezka) {
    return SciezkaQt(platform::SciezkaZBajtow(sciezka));
}

QString ZastrzezonaNazwaPliku(const QString& sciezka) {
    return sciezka + QStringLiteral(" : zastrzeżona nazwa pliku");
}

} // namespace orbaklaw
